#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace vigilon {

enum class TlsResult {
    Ok,         // the step is complete
    NeedInput,  // more bytes from the server are needed first
    Closed,     // the server ended the session (close_notify)
    Failed,     // ErrorText() says why
};

// What the program's own check of the server's certificate found.
enum class CertificateProblem { None, Untrusted, Expired, WrongName };

// A TLS client session as a pure transform: it never touches the socket.
// The caller moves the bytes, so waits, time-outs and cancellation stay where
// the plain dialogue has them. Every call that takes `in` removes the bytes it
// used from its front and leaves the rest there; `out` and `plain` are appended to.
class TlsEngine {
public:
    virtual ~TlsEngine() = default;

    // Begins the handshake with the server named host.
    virtual TlsResult Start(const std::string& host, std::string& out) = 0;
    // Goes on with the handshake; Ok once it is complete.
    virtual TlsResult Continue(std::string& in, std::string& out) = 0;
    // Checks the certificate of the completed handshake against the trusted
    // roots and host.
    virtual CertificateProblem CheckCertificate(const std::string& host) = 0;
    virtual TlsResult Encrypt(const char* data, std::size_t size, std::string& out) = 0;
    virtual TlsResult Decrypt(std::string& in, std::string& plain) = 0;
    // The text of the last failure.
    virtual std::string ErrorText() const = 0;
};

}  // namespace vigilon
