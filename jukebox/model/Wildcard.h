#pragma once

#include <string_view>

namespace brambletune {

// Wildcard matching, case-sensitive, byte by byte:
//   *        any run of characters, also none
//   ?        any single character
//   #        any single digit 0-9
//   [list]   any one character of the list; ranges such as a-z are allowed
//   [!list]  any one character not in the list
// Inside a list, '-' first or last and '!' not first are literal characters; an
// empty list "[]" matches the empty string; a range whose ends are in descending
// order matches no character. A '[' without a closing ']' is a literal '[', so
// that any text the user types is a valid pattern and a search never fails.
// Characters are compared as unsigned bytes. Runs in O(text x pattern) time.
bool WildcardMatch(std::string_view text, std::string_view pattern);

}  // namespace brambletune
