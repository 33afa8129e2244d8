#pragma once

#include <string>
#include <string_view>

namespace brambletune {

// The path a command line names: the text after the program name without the
// blanks around it and, when the shell wrapped it in quotation marks (as it
// does for a path with spaces), without them.
std::string CommandLinePath(std::string_view arguments);

}  // namespace brambletune
