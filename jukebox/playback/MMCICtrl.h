#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "jukebox/playback/MciApi.h"

namespace brambletune {

class CMCICtrl;
class FileSystem;
class PathNames;
class TextCase;

// What all CMCICtrl instances share: the services they work through, the
// registry of live instances and the hidden window that receives completion
// notices. The window exists while at least one instance is registered; each
// notice goes to the first registered instance that has the notice's device open.
// Must outlive every CMCICtrl made with it.
class MMCICtrl {
public:
    MMCICtrl(MciApi& mci, const FileSystem& files, const PathNames& paths,
             const TextCase& textCase);
    ~MMCICtrl();
    MMCICtrl(const MMCICtrl&) = delete;
    MMCICtrl& operator=(const MMCICtrl&) = delete;

    MciApi& Mci() { return mci_; }
    const FileSystem& Files() const { return files_; }
    const PathNames& Paths() const { return paths_; }
    const TextCase& Text() const { return textCase_; }

    // The callback for commands sent with mci::kNotify; 0 while no instance is registered.
    std::uintptr_t NotifyWindow() const;

    // Appends the instance; the first one creates the notify window.
    void Register(CMCICtrl& instance);
    // Removes the instance (the last entry takes its slot); the last one
    // releases the notify window (from inside a notice, the window goes once
    // that notice has been handled). Unknown instances are ignored.
    void Unregister(CMCICtrl& instance);
    bool IsRegistered(const CMCICtrl& instance) const;
    std::size_t Count() const { return instances_.size(); }

private:
    void Dispatch(std::uint32_t flags, std::uint32_t deviceID);

    MciApi& mci_;
    const FileSystem& files_;
    const PathNames& paths_;
    const TextCase& textCase_;
    std::vector<CMCICtrl*> instances_;
    std::unique_ptr<MciNotifyWindow> window_;
};

}  // namespace brambletune
