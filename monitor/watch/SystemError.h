#pragma once

#include <string>

namespace vigilon {

// The system's message text for an error code, without the trailing line break.
std::string SystemErrorText(unsigned long code);

}  // namespace vigilon
