#include "monitor/watch/Report.h"

namespace vigilon {
namespace {
constexpr const char* kIndent = "   ";
constexpr const char* kFace = "Times New Roman";
}  // namespace

std::string LogBlock(const std::vector<std::string>& summary, const std::string& dateAtTime) {
    std::string block = "****************\r\nLog generated on " + dateAtTime + "\r\n";
    for (const auto& line : summary) block += kIndent + line + "\r\n";
    return block + "\r\n";
}

void PrintReport(TextJob& job, const std::vector<std::string>& summary,
                 const std::string& dateAtTime) {
    job.SetFont(TextFont{kFace, 16, true});
    job.WriteLine(kReportTitle);
    job.WriteLine("");
    job.SetFont(TextFont{kFace, 12, true});
    job.WriteLine(kReportCredit);
    job.WriteLine("");
    job.SetFont(TextFont{kFace, 12, false});
    for (const auto& line : summary) job.WriteLine(kIndent + line);
    job.WriteLine("");
    job.WriteLine("Printed on " + dateAtTime);
    job.End();
}

}  // namespace vigilon
