#include "monitor/watch/SingleInstance.h"

namespace vigilon {
namespace {
constexpr const char* kName = "Vigilon";
}

SingleInstance::SingleInstance() {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 32, kName);
    first_ = !(mapping_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

SingleInstance::~SingleInstance() {
    if (mapping_) CloseHandle(mapping_);
}

void SingleInstance::NotifyRunningCopy() const {
    const UINT message = RegisterWindowMessageA(kName);
    PostMessageA(HWND_BROADCAST, message, 0, 0);
}

}  // namespace vigilon
