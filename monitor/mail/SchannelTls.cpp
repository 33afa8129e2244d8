#include "monitor/mail/SchannelTls.h"

#include <wincrypt.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "monitor/mail/SmtpMailer.h"

namespace vigilon {
namespace {

constexpr ULONG kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT |
                                ISC_REQ_CONFIDENTIALITY | ISC_REQ_EXTENDED_ERROR |
                                ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM;

// Frees a token Schannel allocated for us.
class TokenBuffer {
public:
    SecBuffer buffer{0, SECBUFFER_TOKEN, nullptr};
    ~TokenBuffer() {
        if (buffer.pvBuffer) FreeContextBuffer(buffer.pvBuffer);
    }
    void AppendTo(std::string& out) const {
        if (buffer.pvBuffer && buffer.cbBuffer > 0) {
            out.append(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
        }
    }
};

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int count = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                          static_cast<int>(wide.size()));
    wide.resize(count > 0 ? static_cast<std::size_t>(count - 1) : 0);
    return wide;
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

// The system's text for a status, without its line end.
std::string SystemText(unsigned long status) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, status, 0, text, sizeof text, nullptr);
    std::string result(text, length);
    while (!result.empty() &&
           (result.back() == '\r' || result.back() == '\n' || result.back() == ' ')) {
        result.pop_back();
    }
    return result;
}

CertificateProblem ProblemOf(DWORD error) {
    switch (error) {
    case 0: return CertificateProblem::None;
    case static_cast<DWORD>(CERT_E_EXPIRED): return CertificateProblem::Expired;
    case static_cast<DWORD>(CERT_E_CN_NO_MATCH): return CertificateProblem::WrongName;
    default: return CertificateProblem::Untrusted;
    }
}

// The SSL policy does not judge every chain: Wine's passes a chain that
// ends short of any root (a certificate from an unknown authority), so the
// chain's own status is read as well. Revocation that could not be checked
// is no error, as no revocation check was asked for.
CertificateProblem ProblemOfChain(DWORD status) {
    status &= ~static_cast<DWORD>(CERT_TRUST_REVOCATION_STATUS_UNKNOWN |
                                  CERT_TRUST_IS_OFFLINE_REVOCATION);
    if (status == 0) return CertificateProblem::None;
    if (status & CERT_TRUST_IS_NOT_TIME_VALID) return CertificateProblem::Expired;
    return CertificateProblem::Untrusted;
}

// Owns a certificate context and a chain built for it.
struct PeerCertificate {
    PCCERT_CONTEXT certificate = nullptr;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    ~PeerCertificate() {
        if (chain) CertFreeCertificateChain(chain);
        if (certificate) CertFreeCertificateContext(certificate);
    }
};

}  // namespace

SchannelTls::SchannelTls() = default;

SchannelTls::~SchannelTls() {
    if (haveContext_) DeleteSecurityContext(&context_);
    if (haveCredentials_) FreeCredentialsHandle(&credentials_);
}

TlsResult SchannelTls::Start(const std::string& host, std::string& out) {
    host_ = host;
    SCHANNEL_CRED settings{};
    settings.dwVersion = SCHANNEL_CRED_VERSION;
    // The protocols are the system's choice; the certificate is ours to check.
    settings.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    TimeStamp expiry{};
    const SECURITY_STATUS status =
        AcquireCredentialsHandleA(nullptr, const_cast<char*>(UNISP_NAME_A), SECPKG_CRED_OUTBOUND,
                                  nullptr, &settings, nullptr, nullptr, &credentials_, &expiry);
    if (status != SEC_E_OK) return Fail("AcquireCredentialsHandle", status);
    haveCredentials_ = true;
    return Step(nullptr, out);
}

TlsResult SchannelTls::Continue(std::string& in, std::string& out) {
    return Step(&in, out);
}

// One call of InitializeSecurityContext: with no input it makes the first
// message, else it takes what the server sent.
TlsResult SchannelTls::Step(std::string* in, std::string& out) {
    SecBuffer input[2] = {{0, SECBUFFER_TOKEN, nullptr}, {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc inputDesc{SECBUFFER_VERSION, 2, input};
    if (in) {
        input[0].cbBuffer = static_cast<unsigned long>(in->size());
        input[0].pvBuffer = in->data();
    }
    TokenBuffer token;
    SecBufferDesc outputDesc{SECBUFFER_VERSION, 1, &token.buffer};
    ULONG attributes = 0;
    TimeStamp expiry{};
    const SECURITY_STATUS status = InitializeSecurityContextA(
        &credentials_, haveContext_ ? &context_ : nullptr, const_cast<char*>(host_.c_str()),
        kContextFlags, 0, 0, in ? &inputDesc : nullptr, 0, haveContext_ ? nullptr : &context_,
        &outputDesc, &attributes, &expiry);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return TlsResult::NeedInput;
    if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED) {
        token.AppendTo(out);  // an alert for the server, when Schannel made one
        return Fail("InitializeSecurityContext", status);
    }
    haveContext_ = true;
    token.AppendTo(out);
    if (in) {
        const std::size_t extra = input[1].BufferType == SECBUFFER_EXTRA ? input[1].cbBuffer : 0;
        in->erase(0, in->size() - extra);
    }
    if (status == SEC_I_CONTINUE_NEEDED) return TlsResult::NeedInput;
    const SECURITY_STATUS sizes =
        QueryContextAttributesA(&context_, SECPKG_ATTR_STREAM_SIZES, &sizes_);
    if (sizes != SEC_E_OK) return Fail("QueryContextAttributes", sizes);
    return TlsResult::Ok;
}

CertificateProblem SchannelTls::CheckCertificate(const std::string& host) {
    PeerCertificate peer;
    if (QueryContextAttributesA(&context_, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &peer.certificate) !=
        SEC_E_OK) {
        return CertificateProblem::Untrusted;
    }
    char serverAuth[] = szOID_PKIX_KP_SERVER_AUTH;
    LPSTR usages[] = {serverAuth};
    CERT_CHAIN_PARA chainPara{};
    chainPara.cbSize = sizeof chainPara;
    chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
    chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
    chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
    if (!CertGetCertificateChain(nullptr, peer.certificate, nullptr, peer.certificate->hCertStore,
                                 &chainPara, 0, nullptr, &peer.chain)) {
        return CertificateProblem::Untrusted;
    }
    std::wstring name = Wide(host);
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = name.data();
    CERT_CHAIN_POLICY_PARA policy{};
    policy.cbSize = sizeof policy;
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status{};
    status.cbSize = sizeof status;
    if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, peer.chain, &policy, &status)) {
        return CertificateProblem::Untrusted;
    }
    if (status.dwError != 0) return ProblemOf(status.dwError);
    return ProblemOfChain(peer.chain->TrustStatus.dwErrorStatus);
}

TlsResult SchannelTls::Encrypt(const char* data, std::size_t size, std::string& out) {
    std::vector<char> record(sizes_.cbHeader + sizes_.cbMaximumMessage + sizes_.cbTrailer);
    while (size > 0) {
        const unsigned long part =
            static_cast<unsigned long>(std::min<std::size_t>(size, sizes_.cbMaximumMessage));
        std::copy(data, data + part, record.data() + sizes_.cbHeader);
        SecBuffer buffers[4] = {
            {sizes_.cbHeader, SECBUFFER_STREAM_HEADER, record.data()},
            {part, SECBUFFER_DATA, record.data() + sizes_.cbHeader},
            {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + part},
            {0, SECBUFFER_EMPTY, nullptr},
        };
        SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
        const SECURITY_STATUS status = EncryptMessage(&context_, 0, &desc, 0);
        if (status != SEC_E_OK) return Fail("EncryptMessage", status);
        out.append(record.data(), buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer);
        data += part;
        size -= part;
    }
    return TlsResult::Ok;
}

TlsResult SchannelTls::Decrypt(std::string& in, std::string& plain) {
    if (renegotiating_) return Renegotiate(in);
    if (in.empty()) return TlsResult::NeedInput;
    SecBuffer buffers[4] = {
        {static_cast<unsigned long>(in.size()), SECBUFFER_DATA, in.data()},
        {0, SECBUFFER_EMPTY, nullptr},
        {0, SECBUFFER_EMPTY, nullptr},
        {0, SECBUFFER_EMPTY, nullptr},
    };
    SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
    const SECURITY_STATUS status = DecryptMessage(&context_, &desc, 0, nullptr);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return TlsResult::NeedInput;
    if (status == SEC_I_CONTEXT_EXPIRED) return TlsResult::Closed;
    if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE) return Fail("DecryptMessage", status);
    std::size_t extra = 0;
    for (const SecBuffer& buffer : buffers) {
        if (buffer.BufferType == SECBUFFER_DATA && buffer.pvBuffer) {
            plain.append(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
        }
        if (buffer.BufferType == SECBUFFER_EXTRA) extra = buffer.cbBuffer;
    }
    // The record was decrypted in place: drop it only once its text is copied.
    in.erase(0, in.size() - extra);
    if (status != SEC_I_RENEGOTIATE) return TlsResult::Ok;
    renegotiating_ = true;
    const TlsResult result = Renegotiate(in);
    return result == TlsResult::NeedInput && !plain.empty() ? TlsResult::Ok : result;
}

// Under TLS 1.3 the server's session tickets arrive as handshake messages
// after the handshake, and Schannel hands them back to InitializeSecurityContext.
// They need no answer; one that does (a renegotiation of TLS 1.2) cannot be
// given here and ends the session.
TlsResult SchannelTls::Renegotiate(std::string& in) {
    if (in.empty()) return TlsResult::NeedInput;
    std::string out;
    const TlsResult result = Step(&in, out);
    if (!out.empty()) return Fail("InitializeSecurityContext", SEC_I_RENEGOTIATE);
    if (result == TlsResult::Ok) renegotiating_ = false;
    return result;
}

TlsResult SchannelTls::Fail(const std::string& call, SECURITY_STATUS status) {
    const auto code = static_cast<unsigned long>(status);
    const std::string text = SystemText(code);
    error_ = (text.empty() ? "" : text + " ") + "(" + call + " " + Hex(code) + ")";
    return TlsResult::Failed;
}

std::unique_ptr<TlsEngine> CreatePlatformTls() {
    return std::make_unique<SchannelTls>();
}

}  // namespace vigilon
