#pragma once

#include "jukebox/model/CodePages.h"

namespace brambletune {

// The program's code page is GetACP() (65001 when the manifest's UTF-8 code
// page is honoured). The legacy page is the system locale's default ANSI code
// page, which GetACP no longer answers under that manifest.
class Win32CodePages : public CodePages {
public:
    Win32CodePages();
    bool ToProgram(std::string_view text, StoredCodePage from, std::string& out) const override;
    std::string FromProgram(std::string_view text, StoredCodePage to) const override;

    unsigned ProgramCodePage() const { return program_; }
    unsigned LegacyCodePage() const { return legacy_; }

private:
    unsigned CodePageOf(StoredCodePage page) const;

    unsigned program_;
    unsigned legacy_;
};

}  // namespace brambletune
