#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/mail/SocketApi.h"

namespace vigilon {

inline constexpr const char* kServerRequiredMessage = "Server property is required";
inline constexpr const char* kInvalidVersionMessage = "Invalid Winsock version";
inline constexpr const char* kResolveFailedMessage = "Error resolving remote host";
inline constexpr const char* kServiceRequiredMessage = "Service name is required";
inline constexpr const char* kNotConnectedMessage = "You have to connect to the server first";
// A reply line longer than this is refused.
inline constexpr std::size_t kReplyBufferSize = 1024;

// A line-oriented client connection: resolves "host[:port]", connects, sends
// lines and reads numbered replies, one byte per receive so that nothing past
// a reply is consumed. Every failure is an EMailError.
class TagSocket {
public:
    explicit TagSocket(SocketApi& api) : api_(api) {}
    virtual ~TagSocket();
    TagSocket(const TagSocket&) = delete;
    TagSocket& operator=(const TagSocket&) = delete;

    std::string Server;  // host name or dotted address, optionally ":" and a port
    std::uint16_t DefaultPort = 25;
    std::string ServiceName = "smtp";
    int TimeOut = 60;  // seconds per wait without progress

    const std::string& LocalHostName() const { return localHost_; }
    const std::string& LastReply() const { return lastReply_; }
    // Connected, and the peer has not closed its side.
    bool Connected() const { return connected_ && !peerClosed_; }

    void Connect();
    // Sends text and CR LF; a CR or LF inside text is sent as a space.
    void SendLine(const std::string& text);
    void SendData(const char* data, std::size_t size);
    // Reads one reply, multi-line replies included, and returns the code of
    // its first line (-1 when that does not start with three digits).
    // LastReply() is then the last line read.
    int ReadReply();
    void Close();

protected:
    SocketApi& Api() { return api_; }

private:
    std::uint32_t ResolveHost(const std::string& host);
    std::uint16_t ResolvePort() const;
    std::uint16_t LookupServicePort() const;
    void Await(SocketEvent event);
    void CheckWait(WaitResult result);
    void RequireConnection() const;
    std::string ReadLine();
    [[noreturn]] void RaiseSocketError(int error);
    std::string SocketErrorText(int error);

    SocketApi& api_;
    int startups_ = 0;
    bool connected_ = false;
    bool peerClosed_ = false;
    std::string localHost_;
    std::string peer_;  // "host:port" as far as known, for error texts
    std::string lastReply_;
};

// The code of a reply line: its first three characters as a number, or -1.
int ReplyCode(const std::string& line);

}  // namespace vigilon
