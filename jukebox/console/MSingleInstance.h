#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "jukebox/console/HandOverQueue.h"
#include "jukebox/console/Win32WindowHook.h"

namespace brambletune {

class RegistryStore;

// "Brambletune" followed by the build's revision: builds of different
// revisions never take each other's hand-over.
std::string InstanceMessageName();

// One instance of the program per user session owns the console. The first
// instance owns a named mutex for as long as this object lives; a later one
// hands its command-line path over through the registry value "Instances" and
// the registered instance message, which the first instance's hook on the
// console window answers (non-zero: taken) and keeps in a queue until the
// console is ready for it.
class MSingleInstance {
public:
    using Starter = std::function<void(const std::string& path)>;
    using Predicate = std::function<bool()>;

    explicit MSingleInstance(RegistryStore& registry);
    // Unhooks and lets the next start become the first instance.
    ~MSingleInstance();
    MSingleInstance(const MSingleInstance&) = delete;
    MSingleInstance& operator=(const MSingleInstance&) = delete;

    UINT InstanceMessage() const { return instanceMessage_; }
    // True while another instance of this build runs and this one has not taken over.
    bool PrevInstance() const { return prevInstance_; }

    // Hands path to the running instance; true when it took it. A running
    // instance that is still starting or already unloading does not: then
    // this waits until it has gone (or a few seconds) and returns false, and
    // this instance starts as the first.
    bool HandOver(const std::string& path);

    // Takes the console's instance messages before it loads: each hand-over
    // (the "Instances" value, default "") is answered at once and passed to
    // starter once Ready was called, no other hand-over runs and busy is
    // false. While accepting is false (the console unloads) hand-overs are refused.
    void HookInstanceMessages(HWND console, Starter starter, Predicate busy, Predicate accepting);
    // The console has made its own start: runs the hand-overs that waited.
    void Ready();
    // Gives the console its window procedure back, unless another hook has
    // replaced ours since; then ours stays as a pass-through.
    void UnhookInstanceMessages();

private:
    bool InstanceWindowProc(UINT message, WPARAM wParam, LRESULT& result);
    bool SendToRunningInstance() const;
    void RunWaiting();

    RegistryStore& registry_;
    UINT instanceMessage_ = 0;
    HANDLE mutex_ = nullptr;
    bool ownsMutex_ = false;
    bool prevInstance_ = false;
    HWND console_ = nullptr;
    Predicate accepting_;
    std::unique_ptr<HandOverQueue> queue_;
    std::unique_ptr<Win32WindowHook> hook_;
};

}  // namespace brambletune
