#pragma once

#include <string>
#include <vector>

#include "monitor/watch/TextJob.h"

namespace vigilon {

inline constexpr const char* kReportTitle =
    "Vigilon 2000 - listing of added, changed and deleted files.";
inline constexpr const char* kReportCredit = "Vigilon 2000 is made by Quenmark Software.";

// One block of the log file, lines ended by CR LF: 16 asterisks, the
// "Log generated on " line, every summary line indented by three spaces, an
// empty line.
std::string LogBlock(const std::vector<std::string>& summary, const std::string& dateAtTime);

// Writes the printed report: title, credit, indented summary, "Printed on " line.
void PrintReport(TextJob& job, const std::vector<std::string>& summary,
                 const std::string& dateAtTime);

}  // namespace vigilon
