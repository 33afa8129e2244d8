#pragma once

#include <windows.h>

#include <string>

#include "monitor/mail/MapiApi.h"

namespace vigilon {

// Simple MAPI from the library of that name, loaded at the first call and
// freed with the object. Each function is looked up by name when first
// needed; while the library or the function is missing a call answers
// kMapiUserAbort, and the next call tries again.
class MapiLibrary : public MapiApi {
public:
    explicit MapiLibrary(std::string libraryName = "MAPI32.DLL");
    ~MapiLibrary() override;
    MapiLibrary(const MapiLibrary&) = delete;
    MapiLibrary& operator=(const MapiLibrary&) = delete;

    MapiResult Logon(const std::string& profile, const std::string& password, MapiFlags flags,
                     MapiSession& session) override;
    MapiResult ResolveName(MapiSession session, const std::string& name, MapiFlags flags,
                           MapiResolvedName& resolved) override;
    MapiResult SendMail(MapiSession session, const MapiMail& mail, MapiFlags flags) override;
    MapiResult FreeBuffer(void* buffer) override;

private:
    // The named function, kept in cache once found; null when the library or
    // the function is missing.
    template <typename Function>
    Function Find(const char* name, FARPROC& cache);

    std::string libraryName_;
    HMODULE module_ = nullptr;
    FARPROC logon_ = nullptr;
    FARPROC resolveName_ = nullptr;
    FARPROC sendMail_ = nullptr;
    FARPROC freeBuffer_ = nullptr;
};

}  // namespace vigilon
