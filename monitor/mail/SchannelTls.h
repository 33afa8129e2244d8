#pragma once

#include <string>

#define SECURITY_WIN32
#include <windows.h>
#include <security.h>
#include <schannel.h>

#include "monitor/mail/TlsEngine.h"

namespace vigilon {

// A TLS client session through the system's Schannel. The server's
// certificate is not checked by Schannel (manual validation) but by
// CheckCertificate, so the dialogue can say what is wrong with it.
class SchannelTls : public TlsEngine {
public:
    SchannelTls();
    ~SchannelTls() override;
    SchannelTls(const SchannelTls&) = delete;
    SchannelTls& operator=(const SchannelTls&) = delete;

    TlsResult Start(const std::string& host, std::string& out) override;
    TlsResult Continue(std::string& in, std::string& out) override;
    CertificateProblem CheckCertificate(const std::string& host) override;
    TlsResult Encrypt(const char* data, std::size_t size, std::string& out) override;
    TlsResult Decrypt(std::string& in, std::string& plain) override;
    std::string ErrorText() const override { return error_; }

private:
    TlsResult Step(std::string* in, std::string& out);
    TlsResult Renegotiate(std::string& in);
    TlsResult Fail(const std::string& call, SECURITY_STATUS status);

    CredHandle credentials_{};
    bool haveCredentials_ = false;
    CtxtHandle context_{};
    bool haveContext_ = false;
    bool renegotiating_ = false;
    std::string host_;
    SecPkgContext_StreamSizes sizes_{};
    std::string error_;
};

}  // namespace vigilon
