#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vigilon {

// Simple MAPI in portable types: results, flags and sessions have the values
// and meanings of the platform's Simple MAPI.
using MapiResult = std::uint32_t;
using MapiFlags = std::uint32_t;
using MapiSession = std::uintptr_t;

inline constexpr MapiResult kMapiSuccess = 0;
inline constexpr MapiResult kMapiUserAbort = 1;
inline constexpr MapiResult kMapiInvalidSession = 19;

enum class MapiRecipientClass : std::uint32_t { To = 1, Cc = 2, Bcc = 3 };

// A recipient descriptor as name resolution returned it. descriptor is the
// block the MAPI library allocated; it belongs to the caller, who hands it
// back to FreeBuffer exactly once.
struct MapiResolvedName {
    void* descriptor = nullptr;
    std::string name;
    std::string address;
};

struct MapiRecipient {
    MapiRecipientClass recipientClass = MapiRecipientClass::To;
    std::string name;
    std::string address;
};

struct MapiAttachment {
    std::string path;            // as the user gave it; the platform makes it a full path
    std::uint32_t position = 0;  // character of the note text the attachment replaces
};

// The message record: everything not listed here goes to the library as
// null or zero.
struct MapiMail {
    std::string subject;
    std::string noteText;
    std::vector<MapiRecipient> recipients;
    std::vector<MapiAttachment> attachments;
};

// The four Simple MAPI functions the sender uses. Every call passes no parent
// window and reserved 0. An implementation that cannot reach the library or
// the function answers kMapiUserAbort, as the library itself does when the
// user cancels.
class MapiApi {
public:
    virtual ~MapiApi() = default;

    // On success session holds the new session.
    virtual MapiResult Logon(const std::string& profile, const std::string& password,
                             MapiFlags flags, MapiSession& session) = 0;
    // On success resolved holds the library's descriptor and its name and address.
    virtual MapiResult ResolveName(MapiSession session, const std::string& name, MapiFlags flags,
                                   MapiResolvedName& resolved) = 0;
    virtual MapiResult SendMail(MapiSession session, const MapiMail& mail, MapiFlags flags) = 0;
    virtual MapiResult FreeBuffer(void* buffer) = 0;
};

}  // namespace vigilon
