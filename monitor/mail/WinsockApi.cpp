#include "monitor/mail/WinsockApi.h"

#include <climits>
#include <cstring>
#include <memory>

#include "monitor/mail/MailErrors.h"
#include "monitor/mail/SmtpMailer.h"

namespace vigilon {
namespace {

constexpr UINT kSocketNotice = WM_USER + 1;
constexpr UINT kLookupNotice = WM_USER + 2;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kNoOpenFileErrorBox = 0x8000;  // SEM_NOOPENFILEERRORBOX
constexpr const char* kWindowClass = "VigilonSocketNotices";

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), kWindowClass, &existing)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
}

}  // namespace

LoadedLibrary::LoadedLibrary(const char* name) {
    const UINT previous = SetErrorMode(kNoOpenFileErrorBox);
    module_ = LoadLibraryA(name);
    SetErrorMode(previous);
}

LoadedLibrary::~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

WinsockApi::WinsockApi(const char* library) : library_(library) {
    if (library_.Handle() == nullptr) throw EWinsockDLLError("Winsock not found");
    RegisterWindowClass(&WinsockApi::WindowProc);
    window_ = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) throw EWinsockDLLError("Cannot create the socket notice window");
}

WinsockApi::~WinsockApi() {
    Close();
    DestroyWindow(window_);
}

template <typename Function>
Function WinsockApi::Lookup(const char* name) const {
    const FARPROC address = GetProcAddress(library_.Handle(), name);
    if (address == nullptr) throw EWinsockDLLError(std::string("Function ") + name + " not found");
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

int WinsockApi::LastError() const {
    return Lookup<decltype(&::WSAGetLastError)>("WSAGetLastError")();
}

bool WinsockApi::Startup() {
    WSADATA data;
    return Lookup<decltype(&::WSAStartup)>("WSAStartup")(MAKEWORD(1, 1), &data) == 0;
}

void WinsockApi::Cleanup() {
    Lookup<decltype(&::WSACleanup)>("WSACleanup")();
}

bool WinsockApi::LocalHostName(std::string& name) {
    char buffer[128] = {};
    if (Lookup<decltype(&::gethostname)>("gethostname")(buffer, sizeof buffer - 1) != 0)
        return false;
    name = buffer;
    return true;
}

bool WinsockApi::ParseAddress(const std::string& text, std::uint32_t& address) {
    const unsigned long value = Lookup<decltype(&::inet_addr)>("inet_addr")(text.c_str());
    if (value == INADDR_NONE) return false;
    address = static_cast<std::uint32_t>(value);
    return true;
}

WaitResult WinsockApi::LookupHost(const std::string& host, int timeoutSeconds, std::string& dotted,
                                  int& error) {
    const auto start = Lookup<decltype(&::WSAAsyncGetHostByName)>("WSAAsyncGetHostByName");
    const HANDLE task = start(window_, kLookupNotice, host.c_str(), lookupBuffer_.data(),
                              static_cast<int>(lookupBuffer_.size()));
    const WaitResult result = WaitForLookup(task, timeoutSeconds, error);
    if (result != WaitResult::Done || error != 0) return result;
    const auto* entry = reinterpret_cast<const hostent*>(lookupBuffer_.data());
    if (entry->h_addr_list[0] == nullptr) return result;
    in_addr address;
    std::memcpy(&address, entry->h_addr_list[0], sizeof address);
    const char* text = Lookup<decltype(&::inet_ntoa)>("inet_ntoa")(address);
    if (text != nullptr) dotted = text;
    return result;
}

WaitResult WinsockApi::LookupService(const std::string& service, const std::string& protocol,
                                     int timeoutSeconds, std::uint16_t& port, int& error) {
    const auto start = Lookup<decltype(&::WSAAsyncGetServByName)>("WSAAsyncGetServByName");
    const HANDLE task = start(window_, kLookupNotice, service.c_str(), protocol.c_str(),
                              lookupBuffer_.data(), static_cast<int>(lookupBuffer_.size()));
    const WaitResult result = WaitForLookup(task, timeoutSeconds, error);
    if (result != WaitResult::Done || error != 0) return result;
    const auto* entry = reinterpret_cast<const servent*>(lookupBuffer_.data());
    port = Lookup<decltype(&::ntohs)>("ntohs")(static_cast<u_short>(entry->s_port));
    return result;
}

// A lookup still running when the wait ends is cancelled, so its result can
// never land in the buffer later.
WaitResult WinsockApi::WaitForLookup(HANDLE task, int timeoutSeconds, int& error) {
    error = 0;
    if (task == nullptr) {
        error = LastError();
        return WaitResult::Done;
    }
    lookupTask_ = task;
    lookupDone_ = false;
    const WaitResult result = WaitUntil([this] { return lookupDone_; }, timeoutSeconds);
    lookupTask_ = nullptr;
    if (result != WaitResult::Done) {
        Lookup<decltype(&::WSACancelAsyncRequest)>("WSACancelAsyncRequest")(task);
        return result;
    }
    error = lookupError_;
    return result;
}

int WinsockApi::Open() {
    Close();
    socket_ = Lookup<decltype(&::socket)>("socket")(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket_ == INVALID_SOCKET) return LastError();
    connectDone_ = false;
    connectError_ = 0;
    readable_ = false;
    writable_ = false;
    peerClosed_ = false;
    const auto select = Lookup<decltype(&::WSAAsyncSelect)>("WSAAsyncSelect");
    if (select(socket_, window_, kSocketNotice, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE) != 0)
        return LastError();
    return 0;
}

int WinsockApi::Connect(std::uint32_t address, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = Lookup<decltype(&::htons)>("htons")(port);
    target.sin_addr.s_addr = address;
    const auto connect = Lookup<decltype(&::connect)>("connect");
    if (connect(socket_, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return 0;
    return LastError();
}

WaitResult WinsockApi::Wait(SocketEvent event, int timeoutSeconds, int& error) {
    error = 0;
    if (event == SocketEvent::Connected) {
        const WaitResult result = WaitUntil([this] { return connectDone_; }, timeoutSeconds);
        if (result == WaitResult::Done) error = connectError_;
        return result;
    }
    if (event == SocketEvent::Readable)
        return WaitUntil([this] { return readable_ || peerClosed_; }, timeoutSeconds);
    return WaitUntil([this] { return writable_ || peerClosed_; }, timeoutSeconds);
}

// The event flags are cleared before each call: a call that would block
// re-enables the notice, which sets the flag again.
IoResult WinsockApi::Send(const char* data, std::size_t size) {
    writable_ = false;
    const int length = static_cast<int>(size > INT_MAX ? INT_MAX : size);
    const int sent = Lookup<decltype(&::send)>("send")(socket_, data, length, 0);
    if (sent == SOCKET_ERROR) return {0, LastError()};
    return {static_cast<std::size_t>(sent), 0};
}

IoResult WinsockApi::Receive(char* data, std::size_t size) {
    readable_ = false;
    const int length = static_cast<int>(size > INT_MAX ? INT_MAX : size);
    const int received = Lookup<decltype(&::recv)>("recv")(socket_, data, length, 0);
    if (received == SOCKET_ERROR) return {0, LastError()};
    return {static_cast<std::size_t>(received), 0};
}

void WinsockApi::Close() {
    if (socket_ == INVALID_SOCKET) return;
    Lookup<decltype(&::closesocket)>("closesocket")(socket_);
    socket_ = INVALID_SOCKET;
}

void WinsockApi::ProcessEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Texts of socket errors come from wserr32.dll when it is present.
std::string WinsockApi::ErrorText(int error) {
    const LoadedLibrary texts("wserr32.dll");
    if (texts.Handle() == nullptr) return {};
    char buffer[256] = {};
    const int length = LoadStringA(texts.Handle(), static_cast<UINT>(error), buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string WinsockApi::SystemErrorText(int error) {
    char buffer[512] = {};
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD length = FormatMessageA(flags, nullptr, static_cast<DWORD>(error), 0, buffer,
                                  sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                          buffer[length - 1] == ' ')) {
        --length;
    }
    return std::string(buffer, length);
}

// Serves every message of the thread until done() holds. The countdown
// starts afresh with each wait; a quit message ends the wait as cancelled and
// is posted again for the program's own loop.
WaitResult WinsockApi::WaitUntil(const std::function<bool()>& done, int timeoutSeconds) {
    secondsLeft_ = timeoutSeconds;
    SetTimer(window_, kTimerId, 1000, nullptr);
    WaitResult result = WaitResult::Done;
    while (!done()) {
        if (canceled_) {
            canceled_ = false;
            result = WaitResult::Canceled;
            break;
        }
        if (secondsLeft_ <= 0) {
            result = WaitResult::TimedOut;
            break;
        }
        MSG message;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            result = WaitResult::Canceled;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    KillTimer(window_, kTimerId);
    return result;
}

LRESULT CALLBACK WinsockApi::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WinsockApi*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case kSocketNotice: self->OnSocketNotice(wParam, lParam); return 0;
    case kLookupNotice: self->OnLookupDone(wParam, lParam); return 0;
    case WM_TIMER: self->OnTimer(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Notices of an earlier socket may still be queued; they are ignored.
void WinsockApi::OnSocketNotice(WPARAM socket, LPARAM notice) {
    if (socket != socket_) return;
    switch (WSAGETSELECTEVENT(notice)) {
    case FD_CONNECT:
        connectDone_ = true;
        connectError_ = WSAGETSELECTERROR(notice);
        break;
    case FD_READ: readable_ = true; break;
    case FD_WRITE: writable_ = true; break;
    case FD_CLOSE: peerClosed_ = true; break;
    default: break;
    }
}

void WinsockApi::OnLookupDone(WPARAM task, LPARAM result) {
    if (reinterpret_cast<HANDLE>(task) != lookupTask_) return;
    lookupDone_ = true;
    lookupError_ = WSAGETASYNCERROR(result);
}

void WinsockApi::OnTimer() {
    if (secondsLeft_ > 0) --secondsLeft_;
}

std::unique_ptr<SocketApi> CreatePlatformSocketApi() {
    return std::make_unique<WinsockApi>();
}

}  // namespace vigilon
