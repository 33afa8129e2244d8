#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "jukebox/playback/MciApi.h"
#include "jukebox/playback/PathNames.h"

namespace brambletune::testing {

// One command as the device saw it.
struct MciCall {
    MciCall(std::string name, std::uint32_t id = 0, std::uint32_t flagBits = 0,
            std::string type = "", std::string element = "")
        : command(std::move(name)),
          deviceID(id),
          flags(flagBits),
          deviceType(std::move(type)),
          elementName(std::move(element)) {}

    std::string command;  // "open", "set", "status", "play", "pause", "stop", "close"
    std::uint32_t deviceID = 0;
    std::uint32_t flags = 0;
    std::string deviceType, elementName;  // open
    std::uint32_t timeFormat = 0;         // set
    std::uint32_t item = 0, track = 0;    // status
    std::uint32_t from = 0, to = 0;       // play
    std::uintptr_t callback = 0;

    bool operator==(const MciCall&) const = default;
};

// An MCI that records every command and answers from a script: errors queued
// per command, status values per device and item, device IDs counting from
// firstDeviceID. Notices are delivered with Post.
class ScriptedMci : public MciApi {
public:
    static constexpr std::uintptr_t kWindowHandle = 0x5150;

    std::vector<MciCall> calls;
    std::map<std::string, std::deque<std::uint32_t>> errors;  // next results of a command
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uintptr_t> status;  // (device, item)
    std::map<std::uint32_t, std::string> errorTexts;  // raw buffers, NULs included
    std::uint32_t nextDeviceID = 1;
    int windowsCreated = 0;
    int windowsLive = 0;

    // Delivers a notice as the notify window would; false when there is no window.
    bool Post(std::uint32_t flags, std::uint32_t deviceID) {
        if (!handler_) return false;
        const MciNoticeHandler handler = handler_;  // it may release the window
        handler(flags, deviceID);
        return true;
    }
    std::vector<std::string> Commands() const {
        std::vector<std::string> names;
        for (const auto& c : calls) names.push_back(c.command);
        return names;
    }

    std::uint32_t Open(std::uint32_t flags, MciOpenParams& p) override {
        const std::uint32_t err = Record({"open", 0, flags, p.deviceType, p.elementName});
        if (err == 0) p.deviceID = nextDeviceID++;
        return err;
    }
    std::uint32_t Set(std::uint32_t id, std::uint32_t flags, const MciSetParams& p) override {
        MciCall call{"set", id, flags};
        call.timeFormat = p.timeFormat;
        return Record(call);
    }
    std::uint32_t Status(std::uint32_t id, std::uint32_t flags, MciStatusParams& p) override {
        MciCall call{"status", id, flags};
        call.item = p.item;
        call.track = p.track;
        const std::uint32_t err = Record(call);
        if (err == 0) p.returnValue = status[{id, p.item}];
        return err;
    }
    std::uint32_t Play(std::uint32_t id, std::uint32_t flags, const MciPlayParams& p) override {
        MciCall call{"play", id, flags};
        call.from = p.from;
        call.to = p.to;
        call.callback = p.callback;
        return Record(call);
    }
    std::uint32_t Pause(std::uint32_t id, std::uint32_t flags, const MciGenericParams&) override {
        return Record({"pause", id, flags});
    }
    std::uint32_t Stop(std::uint32_t id, std::uint32_t flags, const MciGenericParams&) override {
        return Record({"stop", id, flags});
    }
    std::uint32_t Close(std::uint32_t id, std::uint32_t flags, const MciGenericParams&) override {
        return Record({"close", id, flags});
    }
    bool ErrorString(std::uint32_t code, std::string& text) override {
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) return false;
        text = found->second;
        return true;
    }
    std::unique_ptr<MciNotifyWindow> CreateNotifyWindow(MciNoticeHandler handler) override {
        handler_ = std::move(handler);
        ++windowsCreated;
        return std::make_unique<Window>(*this);
    }

private:
    class Window : public MciNotifyWindow {
    public:
        explicit Window(ScriptedMci& owner) : owner_(owner) { ++owner_.windowsLive; }
        ~Window() override {
            --owner_.windowsLive;
            owner_.handler_ = nullptr;
        }
        std::uintptr_t Handle() const override { return kWindowHandle; }

    private:
        ScriptedMci& owner_;
    };

    std::uint32_t Record(MciCall call) {
        calls.push_back(std::move(call));
        auto& queued = errors[calls.back().command];
        if (queued.empty()) return 0;
        const std::uint32_t err = queued.front();
        queued.pop_front();
        return err;
    }

    MciNoticeHandler handler_;
};

// Short forms and long names by table; paths not in them have none.
class TablePathNames : public PathNames {
public:
    std::map<std::string, std::string> shortForms;
    std::map<std::string, std::string> longNames;
    std::string ShortPath(const std::string& path) const override { return Find(shortForms, path); }
    std::string LongName(const std::string& path) const override { return Find(longNames, path); }

private:
    static std::string Find(const std::map<std::string, std::string>& table,
                            const std::string& path) {
        const auto found = table.find(path);
        return found == table.end() ? "" : found->second;
    }
};

}  // namespace brambletune::testing
