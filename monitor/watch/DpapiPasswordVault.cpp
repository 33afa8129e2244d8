#include "monitor/watch/DpapiPasswordVault.h"

#include <windows.h>
#include <wincrypt.h>

namespace vigilon {
namespace {

// Takes the blob CryptProtectData or CryptUnprotectData allocated, wiping
// it before it is freed, as it may hold the password.
class OutputBlob {
public:
    DATA_BLOB blob{0, nullptr};
    ~OutputBlob() {
        if (!blob.pbData) return;
        SecureZeroMemory(blob.pbData, blob.cbData);
        LocalFree(blob.pbData);
    }
};

DATA_BLOB InputBlob(const void* data, std::size_t size) {
    return DATA_BLOB{static_cast<DWORD>(size), static_cast<BYTE*>(const_cast<void*>(data))};
}

}  // namespace

std::optional<std::vector<unsigned char>> DpapiPasswordVault::Protect(const std::string& password) {
    DATA_BLOB input = InputBlob(password.data(), password.size());
    OutputBlob output;
    if (!CryptProtectData(&input, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                          &output.blob)) {
        return std::nullopt;
    }
    return std::vector<unsigned char>(output.blob.pbData, output.blob.pbData + output.blob.cbData);
}

std::optional<std::string> DpapiPasswordVault::Unprotect(const std::vector<unsigned char>& stored) {
    DATA_BLOB input = InputBlob(stored.data(), stored.size());
    OutputBlob output;
    if (!CryptUnprotectData(&input, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                            &output.blob)) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(output.blob.pbData), output.blob.cbData);
}

}  // namespace vigilon
