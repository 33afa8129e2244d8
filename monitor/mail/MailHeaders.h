#pragma once

#include <ctime>
#include <string>

namespace vigilon {

// A "Date:" value: "Tue, 08 Dec 2026 14:05:09 +0100" for the local time and
// its offset from UTC in minutes.
std::string FormatMailDate(const std::tm& local, int offsetMinutes);
// The current time as a "Date:" value, in the system's time zone.
std::string CurrentMailDate();

// A new "Message-ID:" value, unique to this mail, under the domain of the
// sender's address (or "vigilon.invalid" when that has none).
std::string NewMessageId(const std::string& senderAddress);

// The MIME name of a Windows ANSI code page ("windows-1252" for 1252).
std::string CharsetOfCodePage(unsigned codePage);

}  // namespace vigilon
