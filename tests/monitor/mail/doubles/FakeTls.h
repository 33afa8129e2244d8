#pragma once

#include <memory>
#include <string>

#include "monitor/mail/TlsEngine.h"

namespace vigilon::testing {

// A TLS session that encrypts nothing: records pass through unchanged, so the
// scripted server reads the commands. The handshake is one line each way:
// clientHello goes out, and the first line that comes back completes it.
// A server record equal to kCloseNotify ends the session.
struct FakeTls {
    static inline const std::string kCloseNotify = "<close_notify>";

    // Settings.
    std::string clientHello = "<client hello>\r\n";
    bool handshakeFails = false;
    CertificateProblem certificate = CertificateProblem::None;

    // What the client did.
    int sessions = 0;
    std::string host;         // as given to the handshake
    std::string checkedHost;  // as given to the certificate check
    std::string encrypted;    // every byte that went through Encrypt
    std::string decrypted;    // every byte that came out of Decrypt

    std::unique_ptr<TlsEngine> Make();
};

class FakeTlsEngine : public TlsEngine {
public:
    explicit FakeTlsEngine(FakeTls& log) : log_(log) {}

    TlsResult Start(const std::string& host, std::string& out) override {
        ++log_.sessions;
        log_.host = host;
        if (log_.handshakeFails) return TlsResult::Failed;
        out += log_.clientHello;
        return TlsResult::NeedInput;
    }
    TlsResult Continue(std::string& in, std::string& /*out*/) override {
        const auto end = in.find("\r\n");
        if (end == std::string::npos) return TlsResult::NeedInput;
        in.erase(0, end + 2);
        return TlsResult::Ok;
    }
    CertificateProblem CheckCertificate(const std::string& host) override {
        log_.checkedHost = host;
        return log_.certificate;
    }
    TlsResult Encrypt(const char* data, std::size_t size, std::string& out) override {
        log_.encrypted.append(data, size);
        out.append(data, size);
        return TlsResult::Ok;
    }
    TlsResult Decrypt(std::string& in, std::string& plain) override {
        if (in.rfind(FakeTls::kCloseNotify, 0) == 0) return TlsResult::Closed;
        if (in.empty()) return TlsResult::NeedInput;
        log_.decrypted += in;
        plain += in;
        in.clear();
        return TlsResult::Ok;
    }
    std::string ErrorText() const override { return "handshake refused (0x80090326)"; }

private:
    FakeTls& log_;
};

inline std::unique_ptr<TlsEngine> FakeTls::Make() {
    return std::make_unique<FakeTlsEngine>(*this);
}

}  // namespace vigilon::testing
