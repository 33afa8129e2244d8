#include "monitor/mail/TempFile.h"

#include <cstdio>
#include <random>
#include <system_error>

#include "monitor/mail/MailErrors.h"

namespace vigilon {
namespace {

constexpr int kNameAttempts = 100;

std::filesystem::path CandidateName(const std::filesystem::path& folder, std::mt19937& random) {
    char name[32];
    std::snprintf(name, sizeof name, "vgm%08x.tmp", static_cast<unsigned>(random()));
    return folder / name;
}

}  // namespace

TempFile::TempFile() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kNameAttempts && !error; ++attempt) {
        const std::filesystem::path candidate = CandidateName(folder, random);
        if (std::filesystem::exists(candidate, error)) continue;
        stream_.open(candidate, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
        if (!stream_.is_open()) break;
        path_ = candidate;
        return;
    }
    throw EMailError("Cannot create a temporary file");
}

TempFile::~TempFile() {
    stream_.close();
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

}  // namespace vigilon
