#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "monitor/mail/SocketApi.h"
#include "monitor/mail/TlsEngine.h"

namespace vigilon {

inline constexpr const char* kServerRequiredMessage = "Server property is required";
inline constexpr const char* kInvalidVersionMessage = "Invalid Winsock version";
inline constexpr const char* kResolveFailedMessage = "Error resolving remote host";
inline constexpr const char* kServiceRequiredMessage = "Service name is required";
inline constexpr const char* kNotConnectedMessage = "You have to connect to the server first";
inline constexpr const char* kUntrustedMessage = "The server's certificate is not trusted";
inline constexpr const char* kExpiredMessage = "The server's certificate has expired";
inline constexpr const char* kWrongNameMessage =
    "The server's certificate is made out to another name";
inline constexpr const char* kHandshakeFailedMessage = "The secure connection failed: ";
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
    bool LookUpService = true;  // else a missing port is DefaultPort at once
    int TimeOut = 60;           // seconds per wait without progress

    const std::string& LocalHostName() const { return localHost_; }
    const std::string& LastReply() const { return lastReply_; }
    // Every line of the last reply, in order.
    const std::vector<std::string>& ReplyLines() const { return replyLines_; }
    // "host:port" of the connection, for error texts.
    const std::string& Peer() const { return peer_; }
    bool Secure() const { return tls_ != nullptr; }
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
    // Runs the TLS handshake over the connection and checks the server's
    // certificate against the host of Server; from then on every byte goes
    // through the engine. On failure the connection is closed.
    void StartTls(std::unique_ptr<TlsEngine> engine);
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
    // One byte of the reply stream; false when the peer has closed.
    bool ReceiveByte(char& byte);
    bool ReceivePlainByte(char& byte);
    // Appends what the socket has (waiting for it); false when the peer has closed.
    bool ReceiveRaw(std::string& into);
    void SendRaw(const char* data, std::size_t size);
    void Handshake(TlsEngine& engine, std::string& in);
    [[noreturn]] void RaiseTlsError(const TlsEngine& engine);
    [[noreturn]] void RaiseSocketError(int error);
    std::string SocketErrorText(int error);

    SocketApi& api_;
    int startups_ = 0;
    bool connected_ = false;
    bool peerClosed_ = false;
    std::string localHost_;
    std::string peer_;  // "host:port" as far as known, for error texts
    std::string lastReply_;
    std::vector<std::string> replyLines_;
    std::unique_ptr<TlsEngine> tls_;
    std::string tlsIn_;    // received and not yet decrypted
    std::string plainIn_;  // decrypted and not yet read
};

// The host part of "host[:port]".
std::string HostPart(const std::string& server);

// The code of a reply line: its first three characters as a number, or -1.
int ReplyCode(const std::string& line);

}  // namespace vigilon
