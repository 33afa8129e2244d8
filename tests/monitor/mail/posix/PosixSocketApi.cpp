#include "monitor/mail/posix/PosixSocketApi.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "monitor/mail/SmtpMailer.h"

namespace vigilon {
namespace {

constexpr int kPollStepMs = 1000;

int WinsockError(int error) {
    switch (error) {
    case EAGAIN:
    case EINPROGRESS: return kWsaWouldBlock;
    case ECONNRESET:
    case EPIPE: return kWsaConnectionReset;
    case ECONNREFUSED: return kWsaConnectionRefused;
    case ECONNABORTED: return 10053;
    case ETIMEDOUT: return 10060;
    case ENETUNREACH: return 10051;
    case EHOSTUNREACH: return 10065;
    case ENOTCONN: return 10057;
    case EADDRNOTAVAIL: return 10049;
    default: return error;
    }
}

int LookupError(int status) {
    if (status == EAI_NONAME) return kWsaHostNotFound;
    if (status == EAI_AGAIN) return 11002;
    return 11003;
}

struct AddrInfoDeleter {
    void operator()(addrinfo* info) const { freeaddrinfo(info); }
};

short PollEvents(SocketEvent event) {
    return event == SocketEvent::Readable ? POLLIN : POLLOUT;
}

}  // namespace

PosixSocketApi::~PosixSocketApi() {
    Close();
}

bool PosixSocketApi::LocalHostName(std::string& name) {
    char buffer[128] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) return false;
    name = buffer;
    return true;
}

bool PosixSocketApi::ParseAddress(const std::string& text, std::uint32_t& address) {
    const in_addr_t value = inet_addr(text.c_str());
    if (value == INADDR_NONE) return false;
    address = value;
    return true;
}

WaitResult PosixSocketApi::LookupHost(const std::string& host, int, std::string& dotted,
                                      int& error) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (status != 0) {
        error = LookupError(status);
        return WaitResult::Done;
    }
    std::unique_ptr<addrinfo, AddrInfoDeleter> owner(found);
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    dotted = text;
    error = 0;
    return WaitResult::Done;
}

WaitResult PosixSocketApi::LookupService(const std::string& service, const std::string& protocol,
                                         int, std::uint16_t& port, int& error) {
    const servent* entry = getservbyname(service.c_str(), protocol.c_str());
    if (entry == nullptr) {
        error = 11004;
        return WaitResult::Done;
    }
    port = ntohs(static_cast<std::uint16_t>(entry->s_port));
    error = 0;
    return WaitResult::Done;
}

int PosixSocketApi::Open() {
    Close();
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    if (fd_ < 0) return WinsockError(errno);
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    return 0;
}

int PosixSocketApi::Connect(std::uint32_t address, std::uint16_t port) {
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) return 0;
    return WinsockError(errno);
}

WaitResult PosixSocketApi::Wait(SocketEvent event, int timeoutSeconds, int& error) {
    error = 0;
    for (int secondsLeft = timeoutSeconds;; --secondsLeft) {
        if (canceled_) {
            canceled_ = false;
            return WaitResult::Canceled;
        }
        if (secondsLeft <= 0) return WaitResult::TimedOut;
        pollfd entry{fd_, PollEvents(event), 0};
        if (poll(&entry, 1, kPollStepMs) > 0) break;
    }
    if (event == SocketEvent::Connected) {
        int status = 0;
        socklen_t size = sizeof status;
        getsockopt(fd_, SOL_SOCKET, SO_ERROR, &status, &size);
        error = status == 0 ? 0 : WinsockError(status);
    }
    return WaitResult::Done;
}

IoResult PosixSocketApi::Send(const char* data, std::size_t size) {
    const ssize_t sent = send(fd_, data, size, MSG_NOSIGNAL);
    if (sent < 0) return {0, WinsockError(errno)};
    return {static_cast<std::size_t>(sent), 0};
}

IoResult PosixSocketApi::Receive(char* data, std::size_t size) {
    const ssize_t received = recv(fd_, data, size, 0);
    if (received < 0) return {0, WinsockError(errno)};
    return {static_cast<std::size_t>(received), 0};
}

void PosixSocketApi::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

std::unique_ptr<SocketApi> CreatePlatformSocketApi() {
    return std::make_unique<PosixSocketApi>();
}

// TLS is the system's (Schannel) and exists only in the Windows build.
std::unique_ptr<TlsEngine> CreatePlatformTls() {
    return nullptr;
}

}  // namespace vigilon
