#pragma once

#include <winsock2.h>
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "monitor/mail/SocketApi.h"

namespace vigilon {

// A library loaded by name with the system's open-file error box suppressed;
// freed when the object goes.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* name);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    HMODULE Handle() const { return module_; }

private:
    HMODULE module_;
};

// Windows Sockets 1.1 from wsock32.dll, loaded by name when the object is
// made; every function is looked up by name when called. Socket events and
// lookup results arrive as messages to a hidden window of its own; every
// wait is a message loop that also serves the rest of the program and counts
// down on a one-second timer.
class WinsockApi : public SocketApi {
public:
    // Throws EWinsockDLLError "Winsock not found" when the library cannot be loaded.
    explicit WinsockApi(const char* library = "wsock32.dll");
    ~WinsockApi() override;
    WinsockApi(const WinsockApi&) = delete;
    WinsockApi& operator=(const WinsockApi&) = delete;

    bool Startup() override;
    void Cleanup() override;
    bool LocalHostName(std::string& name) override;
    bool ParseAddress(const std::string& text, std::uint32_t& address) override;
    WaitResult LookupHost(const std::string& host, int timeoutSeconds, std::string& dotted,
                          int& error) override;
    WaitResult LookupService(const std::string& service, const std::string& protocol,
                             int timeoutSeconds, std::uint16_t& port, int& error) override;
    int Open() override;
    int Connect(std::uint32_t address, std::uint16_t port) override;
    WaitResult Wait(SocketEvent event, int timeoutSeconds, int& error) override;
    IoResult Send(const char* data, std::size_t size) override;
    IoResult Receive(char* data, std::size_t size) override;
    void Close() override;
    void Cancel() override { canceled_ = true; }
    void ProcessEvents() override;
    std::string ErrorText(int error) override;
    std::string SystemErrorText(int error) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnSocketNotice(WPARAM socket, LPARAM notice);
    void OnLookupDone(WPARAM task, LPARAM result);
    void OnTimer();

    // The named function of the library; throws EWinsockDLLError when missing.
    template <typename Function>
    Function Lookup(const char* name) const;
    int LastError() const;
    WaitResult WaitUntil(const std::function<bool()>& done, int timeoutSeconds);
    WaitResult WaitForLookup(HANDLE task, int timeoutSeconds, int& error);

    LoadedLibrary library_;
    HWND window_ = nullptr;
    SOCKET socket_ = INVALID_SOCKET;

    int secondsLeft_ = 0;
    bool canceled_ = false;
    bool connectDone_ = false;
    int connectError_ = 0;
    bool readable_ = false;
    bool writable_ = false;
    bool peerClosed_ = false;
    HANDLE lookupTask_ = nullptr;
    bool lookupDone_ = false;
    int lookupError_ = 0;
    std::array<char, MAXGETHOSTSTRUCT> lookupBuffer_{};
};

}  // namespace vigilon
