#pragma once

#include "monitor/mail/SocketApi.h"

namespace vigilon {

// BSD sockets for the native builds. There is no window system, so waits
// only poll the socket, in one-second steps; host lookups block. System
// error numbers are reported as their Windows Sockets equivalents.
class PosixSocketApi : public SocketApi {
public:
    PosixSocketApi() = default;
    ~PosixSocketApi() override;
    PosixSocketApi(const PosixSocketApi&) = delete;
    PosixSocketApi& operator=(const PosixSocketApi&) = delete;

    bool Startup() override { return true; }
    void Cleanup() override {}
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
    void ProcessEvents() override {}
    std::string ErrorText(int) override { return {}; }
    std::string SystemErrorText(int) override { return {}; }

private:
    int fd_ = -1;
    bool canceled_ = false;
};

}  // namespace vigilon
