#include "monitor/mail/TagSocket.h"

#include <optional>

#include "monitor/mail/MailErrors.h"

namespace vigilon {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The port after the colon when it is a number from 1 to 65535.
std::optional<std::uint16_t> ExplicitPort(const std::string& server) {
    const auto colon = server.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string text = server.substr(colon + 1);
    if (text.empty() || text.size() > 5) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

void StripLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
}

// The last line of a multi-line reply repeats the first code followed by a
// space; a line of the bare code ends the reply too.
bool EndsReply(const std::string& line, int code) {
    return ReplyCode(line) == code && (line.size() == 3 || line[3] == ' ');
}

std::string CertificateMessage(CertificateProblem problem) {
    switch (problem) {
    case CertificateProblem::Expired: return kExpiredMessage;
    case CertificateProblem::WrongName: return kWrongNameMessage;
    default: return kUntrustedMessage;
    }
}

}  // namespace

std::string HostPart(const std::string& server) {
    return server.substr(0, server.find(':'));
}

int ReplyCode(const std::string& line) {
    if (line.size() < 3 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2])) return -1;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

TagSocket::~TagSocket() {
    Close();
    for (; startups_ > 0; --startups_) api_.Cleanup();
}

void TagSocket::Connect() {
    if (Server.empty()) throw ESocketError(kServerRequiredMessage);
    if (!api_.Startup()) throw ESocketError(kInvalidVersionMessage);
    ++startups_;
    const std::string host = HostPart(Server);
    if (!api_.LocalHostName(localHost_)) localHost_ = host;
    peer_ = Server;
    try {
        const std::uint32_t address = ResolveHost(host);
        const std::uint16_t port = ResolvePort();
        peer_ = host + ":" + std::to_string(port);
        if (const int error = api_.Open()) RaiseSocketError(error);
        const int error = api_.Connect(address, port);
        if (error != 0 && error != kWsaWouldBlock) RaiseSocketError(error);
        Await(SocketEvent::Connected);
    } catch (...) {
        Close();
        throw;
    }
    connected_ = true;
    peerClosed_ = false;
}

void TagSocket::SendLine(const std::string& text) {
    std::string line = text;
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    line += "\r\n";
    SendData(line.data(), line.size());
}

void TagSocket::SendData(const char* data, std::size_t size) {
    RequireConnection();
    if (!tls_) {
        SendRaw(data, size);
        return;
    }
    std::string records;
    if (tls_->Encrypt(data, size, records) != TlsResult::Ok) RaiseTlsError(*tls_);
    SendRaw(records.data(), records.size());
}

void TagSocket::SendRaw(const char* data, std::size_t size) {
    while (size > 0) {
        const IoResult result = api_.Send(data, size);
        if (result.error == kWsaWouldBlock) {
            Await(SocketEvent::Writable);
            continue;
        }
        if (result.error != 0) RaiseSocketError(result.error);
        data += result.bytes;
        size -= result.bytes;
    }
}

int TagSocket::ReadReply() {
    RequireConnection();
    replyLines_.clear();
    lastReply_ = ReadLine();
    if (lastReply_.empty() && peerClosed_) RaiseSocketError(kWsaConnectionReset);
    replyLines_.push_back(lastReply_);
    const int code = ReplyCode(lastReply_);
    if (code <= 0 || lastReply_.size() < 4 || lastReply_[3] != '-') return code;
    while (!peerClosed_) {
        lastReply_ = ReadLine();
        replyLines_.push_back(lastReply_);
        if (EndsReply(lastReply_, code)) break;
    }
    return code;
}

void TagSocket::StartTls(std::unique_ptr<TlsEngine> engine) {
    RequireConnection();
    std::string in;
    try {
        Handshake(*engine, in);
    } catch (const ESocketError& error) {
        // A server that refuses our TLS versions or ciphers just drops the connection.
        Close();
        throw ESocketError(kHandshakeFailedMessage + std::string(error.what()));
    } catch (...) {
        Close();
        throw;
    }
    const CertificateProblem problem = engine->CheckCertificate(HostPart(Server));
    if (problem != CertificateProblem::None) {
        Close();
        throw ESocketError(CertificateMessage(problem) + " (" + peer_ + ")");
    }
    tls_ = std::move(engine);
    tlsIn_ = std::move(in);  // records the server sent right after its last handshake message
    plainIn_.clear();
}

// The handshake messages go out and come in raw; whatever arrives past the
// last one is left in `in`.
void TagSocket::Handshake(TlsEngine& engine, std::string& in) {
    std::string out;
    TlsResult result = engine.Start(HostPart(Server), out);
    while (true) {
        if (!out.empty()) SendRaw(out.data(), out.size());
        out.clear();
        if (result == TlsResult::Ok) return;
        if (result != TlsResult::NeedInput)
            throw ESocketError(engine.ErrorText() + " (" + peer_ + ")");
        if (!ReceiveRaw(in)) RaiseSocketError(kWsaConnectionReset);
        result = engine.Continue(in, out);
    }
}

void TagSocket::Close() {
    api_.Close();
    tls_.reset();
    tlsIn_.clear();
    plainIn_.clear();
    connected_ = false;
    peerClosed_ = false;
}

std::uint32_t TagSocket::ResolveHost(const std::string& host) {
    std::uint32_t address = 0;
    if (api_.ParseAddress(host, address)) return address;
    std::string dotted;
    int error = 0;
    CheckWait(api_.LookupHost(host, TimeOut, dotted, error));
    if (error != 0) RaiseSocketError(error);
    if (!api_.ParseAddress(dotted, address)) throw ESocketError(kResolveFailedMessage);
    return address;
}

std::uint16_t TagSocket::ResolvePort() const {
    if (const auto port = ExplicitPort(Server)) return *port;
    if (!LookUpService) return DefaultPort;
    if (ServiceName.empty()) throw ESocketError(kServiceRequiredMessage);
    return LookupServicePort();
}

// A service that cannot be looked up, for whatever reason, falls back to the
// default port.
std::uint16_t TagSocket::LookupServicePort() const {
    std::uint16_t port = 0;
    int error = 0;
    const WaitResult result = api_.LookupService(ServiceName, "tcp", TimeOut, port, error);
    if (result != WaitResult::Done || error != 0 || port == 0) return DefaultPort;
    return port;
}

void TagSocket::Await(SocketEvent event) {
    int error = 0;
    CheckWait(api_.Wait(event, TimeOut, error));
    if (error != 0 && error != kWsaWouldBlock) RaiseSocketError(error);
}

void TagSocket::CheckWait(WaitResult result) {
    if (result == WaitResult::TimedOut) {
        Close();
        throw ETimedOutError();
    }
    if (result == WaitResult::Canceled) throw ECanceledError();
}

void TagSocket::RequireConnection() const {
    if (!connected_) throw ESocketError(kNotConnectedMessage);
}

// Reads up to and including a line feed, or until the peer closes. A line
// that fills the buffer without a line feed leaves the rest of the reply
// unread, so the connection cannot go on: it is closed and the reply refused.
std::string TagSocket::ReadLine() {
    std::string line;
    while (line.empty() || line.back() != '\n') {
        if (line.size() == kReplyBufferSize) {
            lastReply_ = line;
            Close();
            throw EServerError(lastReply_);
        }
        char byte = 0;
        if (!ReceiveByte(byte)) {
            peerClosed_ = true;
            break;
        }
        line += byte;
    }
    StripLineEnd(line);
    return line;
}

bool TagSocket::ReceiveByte(char& byte) {
    if (tls_) return ReceivePlainByte(byte);
    while (true) {
        const IoResult result = api_.Receive(&byte, 1);
        if (result.error == kWsaWouldBlock) {
            Await(SocketEvent::Readable);
            continue;
        }
        if (result.error != 0) RaiseSocketError(result.error);
        return result.bytes == 1;
    }
}

// Decrypted bytes are buffered here, so reading one at a time costs no
// receive call; a plain connection must not read past a reply, a TLS one
// cannot help reading whole records.
bool TagSocket::ReceivePlainByte(char& byte) {
    while (plainIn_.empty()) {
        const TlsResult result = tls_->Decrypt(tlsIn_, plainIn_);
        if (result == TlsResult::Closed) return false;
        if (result == TlsResult::Failed) RaiseTlsError(*tls_);
        if (!plainIn_.empty()) break;
        if (result == TlsResult::Ok && !tlsIn_.empty()) continue;
        if (!ReceiveRaw(tlsIn_)) return false;
    }
    byte = plainIn_.front();
    plainIn_.erase(0, 1);
    return true;
}

bool TagSocket::ReceiveRaw(std::string& into) {
    char buffer[16384];
    while (true) {
        const IoResult result = api_.Receive(buffer, sizeof buffer);
        if (result.error == kWsaWouldBlock) {
            Await(SocketEvent::Readable);
            continue;
        }
        if (result.error != 0) RaiseSocketError(result.error);
        into.append(buffer, result.bytes);
        return result.bytes > 0;
    }
}

void TagSocket::RaiseTlsError(const TlsEngine& engine) {
    const std::string text = kHandshakeFailedMessage + engine.ErrorText() + " (" + peer_ + ")";
    Close();
    throw ESocketError(text);
}

void TagSocket::RaiseSocketError(int error) {
    if (error == kWsaConnectionReset) Close();
    throw ESocketError(SocketErrorText(error));
}

// The socket library's text when it has one; else the number, the system's
// text for it and the server, so the user can act on it.
std::string TagSocket::SocketErrorText(int error) {
    if (error >= 10000 && error <= 11004) {
        std::string text = api_.ErrorText(error);
        if (!text.empty()) return text;
    }
    std::string text = "Error #" + std::to_string(error);
    const std::string system = api_.SystemErrorText(error);
    if (!system.empty()) text += ": " + system;
    if (!peer_.empty()) text += " (" + peer_ + ")";
    return text;
}

}  // namespace vigilon
