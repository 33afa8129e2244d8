// With the search restricted at start, a MAPI32.DLL planted beside the program
// (the recording one of tests/platform/mapi/fake) is passed over for the
// system's own. A program of its own: the restriction holds for the whole process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "monitor/watch/SystemLibraries.h"

namespace vigilon {
namespace {

std::string ModuleFolder(HMODULE module) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    const std::string full(path, length);
    return full.substr(0, full.find_last_of('\\'));
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    return std::string(folder, GetSystemDirectoryA(folder, MAX_PATH));
}

TEST(LibrarySearchTest, ALibraryLoadedByNameComesFromTheSystemFolderOnly) {
    const std::string beside = ModuleFolder(nullptr);
    ASSERT_NE(GetFileAttributesA((beside + "\\MAPI32.DLL").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the planted copy is missing";
    RestrictLibrarySearch();
    HMODULE mapi = LoadLibraryA("MAPI32.DLL");
    ASSERT_NE(mapi, nullptr) << GetLastError();
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, ModuleFolder(mapi).c_str(), -1,
                             SystemFolder().c_str(), -1),
              CSTR_EQUAL)
        << ModuleFolder(mapi);
    FreeLibrary(mapi);
}

}  // namespace
}  // namespace vigilon
