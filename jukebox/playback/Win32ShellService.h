#pragma once

#include <windows.h>

#include "jukebox/playback/ShellService.h"

namespace brambletune {

// ShellService over SHFileOperationA and SHAddToRecentDocs, owned by a window
// (or by none). Without confirm the shell deletes without asking, which only
// tests want.
class Win32ShellService : public ShellService {
public:
    explicit Win32ShellService(HWND owner = nullptr, bool confirm = true)
        : owner_(owner), confirm_(confirm) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Recycle(const std::vector<std::string>& files) override;
    void AddToRecentDocuments(const std::string& path) override;

private:
    HWND owner_;
    bool confirm_;
};

}  // namespace brambletune
