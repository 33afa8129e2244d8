// A stand-in for the system's Simple MAPI library. It writes one line per call
// (and one per record of a message) to the file named by FAKE_MAPI_LOG, or to
// fake-mapi.log beside itself, and answers as FAKE_MAPI_SCRIPT says:
// entries "logon=<result>", "send=<result>" and "resolve:<name>=<result>",
// separated by ';'. Anything not scripted succeeds.
//
// The records are declared here from the documented Simple MAPI layout rather
// than taken from the SDK header, so that the sender's use of that header is
// checked against an independent declaration.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

struct RecipDesc {
    ULONG ulReserved;
    ULONG ulRecipClass;
    LPSTR lpszName;
    LPSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};

struct FileDesc {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    LPSTR lpszPathName;
    LPSTR lpszFileName;
    LPVOID lpFileType;
};

struct Message {
    ULONG ulReserved;
    LPSTR lpszSubject;
    LPSTR lpszNoteText;
    LPSTR lpszMessageType;
    LPSTR lpszDateReceived;
    LPSTR lpszConversationID;
    ULONG flFlags;
    RecipDesc* lpOriginator;
    ULONG nRecipCount;
    RecipDesc* lpRecips;
    ULONG nFileCount;
    FileDesc* lpFiles;
};

// A descriptor handed out by name resolution, with the texts it points to.
struct ResolvedBlock {
    RecipDesc descriptor{};
    std::string name;
    std::string address;
    int serial = 0;
};

HMODULE g_module = nullptr;
int g_nextSerial = 1;
ULONG_PTR g_nextSession = 0x1234;
std::map<void*, std::unique_ptr<ResolvedBlock>> g_blocks;

std::string Environment(const char* name) {
    char buffer[1024];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return {};
    return std::string(buffer, length);
}

std::string LogPath() {
    const std::string path = Environment("FAKE_MAPI_LOG");
    if (!path.empty()) return path;
    char module[MAX_PATH];
    const DWORD length = GetModuleFileNameA(g_module, module, MAX_PATH);
    std::string beside(module, length);
    return beside.substr(0, beside.find_last_of('\\') + 1) + "fake-mapi.log";
}

void Log(const std::string& line) {
    FILE* file = std::fopen(LogPath().c_str(), "ab");
    if (file == nullptr) return;
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
}

// The scripted result for key ("logon", "send", "resolve:<name>"), 0 when none.
ULONG Scripted(const std::string& key) {
    const std::string script = ";" + Environment("FAKE_MAPI_SCRIPT") + ";";
    const std::size_t at = script.find(";" + key + "=");
    if (at == std::string::npos) return 0;
    return std::strtoul(script.c_str() + at + key.size() + 2, nullptr, 10);
}

std::string Quoted(LPCSTR text) {
    if (text == nullptr) return "null";
    std::string quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        switch (*c) {
        case '\r': quoted += "\\r"; break;
        case '\n': quoted += "\\n"; break;
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        default: quoted += *c;
        }
    }
    return quoted + "\"";
}

std::string Pointer(const void* pointer) {
    return pointer == nullptr ? "null" : "set";
}

std::string N(ULONG_PTR value) {
    return std::to_string(value);
}

void LogRecipient(const char* what, const RecipDesc& r) {
    Log(std::string("  ") + what + " reserved=" + N(r.ulReserved) + " class=" + N(r.ulRecipClass) +
        " name=" + Quoted(r.lpszName) + " address=" + Quoted(r.lpszAddress) +
        " eidsize=" + N(r.ulEIDSize) + " eid=" + Pointer(r.lpEntryID));
}

void LogFile(const FileDesc& f) {
    Log("  file reserved=" + N(f.ulReserved) + " flags=" + N(f.flFlags) +
        " position=" + N(f.nPosition) + " path=" + Quoted(f.lpszPathName) +
        " name=" + Quoted(f.lpszFileName) + " type=" + Pointer(f.lpFileType));
}

std::string CursorName() {
    return GetCursor() == LoadCursorA(nullptr, IDC_WAIT) ? "wait" : "other";
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    return TRUE;
}

__declspec(dllexport) ULONG WINAPI
    MAPILogon(ULONG_PTR ulUIParam, LPSTR lpszProfileName, LPSTR lpszPassword, ULONG flFlags,
              ULONG ulReserved, ULONG_PTR* lplhSession) {
    const ULONG result = Scripted("logon");
    if (result == 0) *lplhSession = g_nextSession++;
    Log("MAPILogon ui=" + N(ulUIParam) + " profile=" + Quoted(lpszProfileName) +
        " password=" + Quoted(lpszPassword) + " flags=" + N(flFlags) +
        " reserved=" + N(ulReserved) + " cursor=" + CursorName() + " result=" + N(result) +
        (result == 0 ? " session=" + N(*lplhSession) : ""));
    return result;
}

__declspec(dllexport) ULONG WINAPI
    MAPIResolveName(ULONG_PTR lhSession, ULONG_PTR ulUIParam, LPSTR lpszName, ULONG flFlags,
                    ULONG ulReserved, RecipDesc** lppRecip) {
    const std::string name = lpszName == nullptr ? "" : lpszName;
    const ULONG result = Scripted("resolve:" + name);
    std::string line = "MAPIResolveName session=" + N(lhSession) + " ui=" + N(ulUIParam) +
                       " name=" + Quoted(lpszName) + " flags=" + N(flFlags) +
                       " reserved=" + N(ulReserved) + " result=" + N(result);
    if (result == 0) {
        auto block = std::make_unique<ResolvedBlock>();
        block->name = "Resolved " + name;
        block->address = "SMTP:" + name;
        block->serial = g_nextSerial++;
        block->descriptor.ulRecipClass = 1;
        block->descriptor.lpszName = block->name.data();
        block->descriptor.lpszAddress = block->address.data();
        *lppRecip = &block->descriptor;
        line += " descriptor=#" + N(block->serial);
        g_blocks[&block->descriptor] = std::move(block);
    }
    Log(line);
    return result;
}

__declspec(dllexport) ULONG WINAPI
    MAPISendMail(ULONG_PTR lhSession, ULONG_PTR ulUIParam, Message* lpMessage, ULONG flFlags,
                 ULONG ulReserved) {
    const ULONG result = Scripted("send");
    Log("MAPISendMail session=" + N(lhSession) + " ui=" + N(ulUIParam) + " flags=" + N(flFlags) +
        " reserved=" + N(ulReserved) + " cursor=" + CursorName() + " result=" + N(result));
    const Message& m = *lpMessage;
    Log("  message reserved=" + N(m.ulReserved) + " subject=" + Quoted(m.lpszSubject) +
        " note=" + Quoted(m.lpszNoteText) + " type=" + Quoted(m.lpszMessageType) +
        " date=" + Quoted(m.lpszDateReceived) + " conversation=" + Quoted(m.lpszConversationID) +
        " flags=" + N(m.flFlags) + " originator=" + Pointer(m.lpOriginator) +
        " recipients=" + N(m.nRecipCount) + " files=" + N(m.nFileCount));
    for (ULONG i = 0; i < m.nRecipCount; ++i) LogRecipient("recipient", m.lpRecips[i]);
    for (ULONG i = 0; i < m.nFileCount; ++i) LogFile(m.lpFiles[i]);
    return result;
}

__declspec(dllexport) ULONG WINAPI MAPIFreeBuffer(LPVOID pv) {
    const auto found = g_blocks.find(pv);
    if (found == g_blocks.end()) {
        Log("MAPIFreeBuffer unknown");
        return 0;
    }
    Log("MAPIFreeBuffer descriptor=#" + N(found->second->serial));
    g_blocks.erase(found);
    return 0;
}

}  // extern "C"
