#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vigilon {

// Error numbers are those of Windows Sockets on every platform, so the
// dialogue and its error texts read the same everywhere.
inline constexpr int kWsaWouldBlock = 10035;
inline constexpr int kWsaConnectionReset = 10054;
inline constexpr int kWsaConnectionRefused = 10061;
inline constexpr int kWsaHostNotFound = 11001;

enum class WaitResult { Done, TimedOut, Canceled };
enum class SocketEvent { Connected, Readable, Writable };

struct IoResult {
    std::size_t bytes = 0;  // 0 with no error on receive: the peer has closed
    int error = 0;          // 0, kWsaWouldBlock or a failure
};

// The socket services the SMTP client needs: one non-blocking IPv4 stream
// socket at a time, name and service lookups, and waits that keep the
// program's events flowing. Every wait gives up after timeoutSeconds with no
// progress, or when Cancel was called since the last wait.
class SocketApi {
public:
    virtual ~SocketApi() = default;

    // Starts the socket library asking for version 1.1; false when refused.
    virtual bool Startup() = 0;
    // Undoes one successful Startup.
    virtual void Cleanup() = 0;
    virtual bool LocalHostName(std::string& name) = 0;

    // Converts a dotted numeric address; false when text is not one.
    virtual bool ParseAddress(const std::string& text, std::uint32_t& address) = 0;
    // On Done, error is 0 and dotted holds the first address found, or error
    // holds the failure. A lookup still pending on time-out is cancelled.
    virtual WaitResult LookupHost(const std::string& host, int timeoutSeconds, std::string& dotted,
                                  int& error) = 0;
    // On Done, error is 0 and port holds the service's port, or error holds the failure.
    virtual WaitResult LookupService(const std::string& service, const std::string& protocol,
                                     int timeoutSeconds, std::uint16_t& port, int& error) = 0;

    // Creates the socket with event notices; returns 0 or the failure.
    virtual int Open() = 0;
    // Starts the connection; returns 0, kWsaWouldBlock or the failure.
    virtual int Connect(std::uint32_t address, std::uint16_t port) = 0;
    // Waits for an event; on Done, error holds the failure the event carries.
    virtual WaitResult Wait(SocketEvent event, int timeoutSeconds, int& error) = 0;
    virtual IoResult Send(const char* data, std::size_t size) = 0;
    virtual IoResult Receive(char* data, std::size_t size) = 0;
    // Closes the socket if there is one.
    virtual void Close() = 0;

    // Makes the current or next wait return Canceled.
    virtual void Cancel() = 0;
    // Lets pending program events run once.
    virtual void ProcessEvents() = 0;
    // The socket library's own text for an error number, empty when there is none.
    virtual std::string ErrorText(int error) = 0;
    // The operating system's text for an error number, empty when there is none.
    virtual std::string SystemErrorText(int error) = 0;
};

}  // namespace vigilon
