#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "jukebox/console/Win32WindowHook.h"

namespace brambletune {

class RegistryStore;

// "Brambletune" followed by the build's revision: builds of different
// revisions never take each other's hand-over.
std::string InstanceMessageName();

// One instance of the program per user session owns the console. The first
// instance holds a named mutex for as long as this object lives; a later one
// hands its command-line path over through the registry value "Instances" and
// a broadcast of the registered instance message, which the first instance's
// hook on the console window turns into a call of its starter.
class MSingleInstance {
public:
    using Starter = std::function<void(const std::string& path)>;

    explicit MSingleInstance(RegistryStore& registry);
    // Unhooks and lets the next start become the first instance.
    ~MSingleInstance();
    MSingleInstance(const MSingleInstance&) = delete;
    MSingleInstance& operator=(const MSingleInstance&) = delete;

    UINT InstanceMessage() const { return instanceMessage_; }
    // True when another instance of this build was running when this object was made.
    bool PrevInstance() const { return prevInstance_; }

    // Writes path to "Instances" and sends the instance message to every
    // top-level window; returns when they all have handled it.
    void HandOver(const std::string& path);

    // Takes the console's instance messages: each one reads "Instances"
    // (default "") and calls starter with it. Replaces an earlier hook.
    void HookInstanceMessages(HWND console, Starter starter);
    // Gives the console its window procedure back, unless another hook has
    // replaced ours since; then ours stays as a pass-through.
    void UnhookInstanceMessages();

private:
    bool InstanceWindowProc(UINT message, LRESULT& result);

    RegistryStore& registry_;
    UINT instanceMessage_ = 0;
    HANDLE mutex_ = nullptr;
    bool prevInstance_ = false;
    Starter starter_;
    std::unique_ptr<Win32WindowHook> hook_;
};

}  // namespace brambletune
