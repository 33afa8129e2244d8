#pragma once

#include <windows.h>

#include <string>

namespace vigilon {

// The help text, one line per line of the box.
std::string HelpText();

// "Help for Vigilon 2000": a modal window with the help text and an OK button.
void ShowHelpWindow(HINSTANCE instance, HWND owner);

}  // namespace vigilon
