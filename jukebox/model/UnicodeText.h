#pragma once

#include <string>
#include <string_view>

namespace brambletune {

// UTF-8 as UTF-16; each byte of an invalid sequence (overlong, surrogate, cut
// short, beyond U+10FFFF) becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace brambletune
