#include "jukebox/console/MSingleInstance.h"

#include "jukebox/console/CallbackGuard.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

constexpr const char* kInstancesValue = "Instances";
constexpr std::uint32_t kRegSz = 1;
constexpr const char* kConsoleClass = "frmConsole";
// Waiting hand-overs are retried on this timer of the console window until all have run.
constexpr UINT_PTR kHandOverTimer = 0x4854;
constexpr UINT kHandOverRetryMs = 100;
// How long one running instance may take to answer, and a later start waits
// for an instance that neither answers nor ends.
constexpr UINT kAnswerTimeoutMs = 5000;
constexpr ULONGLONG kTakeOverWaitMs = 5000;
constexpr DWORD kMutexPollMs = 100;

struct Broadcast {
    UINT message;
    bool taken = false;
};

// Asks each console window of this program in turn; one hung window costs no
// more than its time-out and a window that has stopped responding none.
BOOL CALLBACK AskConsole(HWND window, LPARAM context) {
    auto& broadcast = *reinterpret_cast<Broadcast*>(context);
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    if (lstrcmpA(className, kConsoleClass) != 0) return TRUE;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(window, broadcast.message, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                            kAnswerTimeoutMs, &answer) != 0 &&
        answer != 0)
        broadcast.taken = true;
    return broadcast.taken ? FALSE : TRUE;
}

}  // namespace

std::string InstanceMessageName() {
    return "Brambletune" + std::to_string(BRAMBLETUNE_REVISION);
}

MSingleInstance::MSingleInstance(RegistryStore& registry)
    : registry_(registry), instanceMessage_(RegisterWindowMessageA(InstanceMessageName().c_str())) {
    // Local\ keeps the name to this logon session, so other users' copies do not count.
    const std::string mutexName = "Local\\" + InstanceMessageName();
    mutex_ = CreateMutexA(nullptr, TRUE, mutexName.c_str());
    prevInstance_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    ownsMutex_ = mutex_ != nullptr && !prevInstance_;
}

MSingleInstance::~MSingleInstance() {
    UnhookInstanceMessages();
    if (ownsMutex_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
}

bool MSingleInstance::HandOver(const std::string& path) {
    SetRegValue(registry_, RegistryStore::kCurrentUser, kSettingsRoot, kInstancesValue, path,
                kRegSz);
    const ULONGLONG deadline = GetTickCount64() + kTakeOverWaitMs;
    while (!SendToRunningInstance()) {
        const DWORD wait = mutex_ ? WaitForSingleObject(mutex_, kMutexPollMs) : WAIT_FAILED;
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) ownsMutex_ = true;
        if (ownsMutex_ || wait == WAIT_FAILED || GetTickCount64() >= deadline) {
            prevInstance_ = false;
            return false;
        }
    }
    return true;
}

bool MSingleInstance::SendToRunningInstance() const {
    Broadcast broadcast{instanceMessage_};
    EnumWindows(&AskConsole, reinterpret_cast<LPARAM>(&broadcast));
    return broadcast.taken;
}

void MSingleInstance::HookInstanceMessages(HWND console, Starter starter, Predicate busy,
                                           Predicate accepting) {
    UnhookInstanceMessages();
    console_ = console;
    accepting_ = std::move(accepting);
    queue_ = std::make_unique<HandOverQueue>(std::move(starter), std::move(busy));
    hook_ = std::make_unique<Win32WindowHook>(
        console, [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
            return InstanceWindowProc(message, wParam, result);
        });
}

void MSingleInstance::Ready() {
    if (!queue_) return;
    queue_->SetReady();
    RunWaiting();
}

void MSingleInstance::UnhookInstanceMessages() {
    if (hook_ && console_) KillTimer(console_, kHandOverTimer);
    hook_.reset();
}

bool MSingleInstance::InstanceWindowProc(UINT message, WPARAM wParam, LRESULT& result) {
    if (message == WM_TIMER && wParam == kHandOverTimer) {
        RunWaiting();
        result = 0;
        return true;
    }
    if (message != instanceMessage_) return false;
    result = 0;
    if (accepting_ && !accepting_()) return true;
    queue_->Keep(
        GetRegString(registry_, RegistryStore::kCurrentUser, kSettingsRoot, kInstancesValue, ""));
    // Answered before it runs: the starter may show boxes that wait for the user.
    SetTimer(console_, kHandOverTimer, USER_TIMER_MINIMUM, nullptr);
    result = 1;
    return true;
}

void MSingleInstance::RunWaiting() {
    bool done = false;
    RunGuarded(console_, [&] { done = queue_->RunWaiting(); });
    if (done)
        KillTimer(console_, kHandOverTimer);
    else
        SetTimer(console_, kHandOverTimer, kHandOverRetryMs, nullptr);
}

}  // namespace brambletune
