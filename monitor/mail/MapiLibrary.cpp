#include "monitor/mail/MapiLibrary.h"

#include <mapi.h>

#include <utility>
#include <vector>

namespace vigilon {
namespace {

constexpr UINT kNoOpenFileErrorBox = 0x8000;  // SEM_NOOPENFILEERRORBOX
constexpr ULONG_PTR kNoParentWindow = 0;
constexpr ULONG kReserved = 0;
constexpr MapiResult kMapiFailure = 2;  // MAPI_E_FAILURE

// Simple MAPI takes writable strings; null stands for "none".
LPSTR TextOrNull(std::string& text) {
    return text.empty() ? nullptr : text.data();
}

std::string CopyText(LPCSTR text) {
    return text == nullptr ? std::string() : std::string(text);
}

std::string FullPath(const std::string& path) {
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

}  // namespace

MapiLibrary::MapiLibrary(std::string libraryName) : libraryName_(std::move(libraryName)) {}

MapiLibrary::~MapiLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

template <typename Function>
Function MapiLibrary::Find(const char* name, FARPROC& cache) {
    if (module_ == nullptr) {
        // A missing library is an answer of its own, not a reason for a system error box.
        const UINT previous = SetErrorMode(kNoOpenFileErrorBox);
        module_ = LoadLibraryA(libraryName_.c_str());
        SetErrorMode(previous);
        if (module_ == nullptr) return nullptr;
    }
    if (cache == nullptr) cache = GetProcAddress(module_, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(cache));
}

MapiResult MapiLibrary::Logon(const std::string& profile, const std::string& password,
                              MapiFlags flags, MapiSession& session) {
    const auto logon = Find<LPMAPILOGON>("MAPILogon", logon_);
    if (logon == nullptr) return kMapiUserAbort;
    std::string profileText = profile;
    std::string passwordText = password;
    LHANDLE handle = 0;
    const ULONG result = logon(kNoParentWindow, TextOrNull(profileText), TextOrNull(passwordText),
                               flags, kReserved, &handle);
    if (result == SUCCESS_SUCCESS) session = handle;
    return result;
}

MapiResult MapiLibrary::ResolveName(MapiSession session, const std::string& name, MapiFlags flags,
                                    MapiResolvedName& resolved) {
    const auto resolveName = Find<LPMAPIRESOLVENAME>("MAPIResolveName", resolveName_);
    if (resolveName == nullptr) return kMapiUserAbort;
    std::string nameText = name;
    lpMapiRecipDesc descriptor = nullptr;
    const ULONG result =
        resolveName(session, kNoParentWindow, nameText.data(), flags, kReserved, &descriptor);
    if (result != SUCCESS_SUCCESS) return result;
    // Success without a descriptor leaves nothing to address the mail to.
    if (descriptor == nullptr) return kMapiFailure;
    resolved.descriptor = descriptor;
    resolved.name = CopyText(descriptor->lpszName);
    resolved.address = CopyText(descriptor->lpszAddress);
    return result;
}

MapiResult MapiLibrary::SendMail(MapiSession session, const MapiMail& mail, MapiFlags flags) {
    const auto sendMail = Find<LPMAPISENDMAIL>("MAPISendMail", sendMail_);
    if (sendMail == nullptr) return kMapiUserAbort;

    // The records point into this copy, which lives until the call returns.
    MapiMail texts = mail;
    std::vector<MapiRecipDesc> recipients;
    for (MapiRecipient& recipient : texts.recipients) {
        MapiRecipDesc record{};
        record.ulRecipClass = static_cast<ULONG>(recipient.recipientClass);
        record.lpszName = recipient.name.data();
        record.lpszAddress = TextOrNull(recipient.address);
        recipients.push_back(record);
    }
    std::vector<std::string> paths;
    for (const MapiAttachment& attachment : texts.attachments)
        paths.push_back(FullPath(attachment.path));
    std::vector<MapiFileDesc> files;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        MapiFileDesc record{};
        record.nPosition = texts.attachments[i].position;
        record.lpszPathName = paths[i].data();
        files.push_back(record);
    }

    MapiMessage message{};
    message.lpszSubject = texts.subject.data();
    message.lpszNoteText = texts.noteText.data();
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.empty() ? nullptr : recipients.data();
    message.nFileCount = static_cast<ULONG>(files.size());
    message.lpFiles = files.empty() ? nullptr : files.data();
    return sendMail(session, kNoParentWindow, &message, flags, kReserved);
}

MapiResult MapiLibrary::FreeBuffer(void* buffer) {
    const auto freeBuffer = Find<LPMAPIFREEBUFFER>("MAPIFreeBuffer", freeBuffer_);
    if (freeBuffer == nullptr) return kMapiUserAbort;
    return freeBuffer(buffer);
}

}  // namespace vigilon
