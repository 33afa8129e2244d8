#pragma once

#include <windows.h>

namespace vigilon {

// "How to contact us": the maker's details over a gradient, a scrolling
// marquee, an OK button and a button that opens the maker's web page.
void ShowAboutWindow(HINSTANCE instance, HWND owner);

}  // namespace vigilon
