#include "jukebox/console/MSingleInstance.h"

#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

constexpr const char* kInstancesValue = "Instances";
constexpr std::uint32_t kRegSz = 1;

}  // namespace

std::string InstanceMessageName() {
    return "Brambletune" + std::to_string(BRAMBLETUNE_REVISION);
}

MSingleInstance::MSingleInstance(RegistryStore& registry)
    : registry_(registry), instanceMessage_(RegisterWindowMessageA(InstanceMessageName().c_str())) {
    // Local\ keeps the name to this logon session, so other users' copies do not count.
    const std::string mutexName = "Local\\" + InstanceMessageName();
    mutex_ = CreateMutexA(nullptr, FALSE, mutexName.c_str());
    prevInstance_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

MSingleInstance::~MSingleInstance() {
    UnhookInstanceMessages();
    if (mutex_) CloseHandle(mutex_);
}

void MSingleInstance::HandOver(const std::string& path) {
    SetRegValue(registry_, RegistryStore::kCurrentUser, kSettingsRoot, kInstancesValue, path,
                kRegSz);
    SendMessageA(HWND_BROADCAST, instanceMessage_, 0, 0);
}

void MSingleInstance::HookInstanceMessages(HWND console, Starter starter) {
    UnhookInstanceMessages();
    starter_ = std::move(starter);
    hook_ = std::make_unique<Win32WindowHook>(
        console, [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
            return InstanceWindowProc(message, result);
        });
}

void MSingleInstance::UnhookInstanceMessages() {
    hook_.reset();
}

bool MSingleInstance::InstanceWindowProc(UINT message, LRESULT& result) {
    if (message != instanceMessage_) return false;
    result = 0;
    // An exception must not unwind through the system's window-procedure frames;
    // a failed start leaves the console as it was.
    try {
        starter_(GetRegString(registry_, RegistryStore::kCurrentUser, kSettingsRoot,
                              kInstancesValue, ""));
    } catch (...) {
    }
    return true;
}

}  // namespace brambletune
