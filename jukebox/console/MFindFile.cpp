#include "jukebox/console/MFindFile.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "jukebox/console/CWaitCursor.h"
#include "jukebox/model/AnsiText.h"

namespace brambletune {
namespace {

constexpr std::size_t kFoundFilesStep = 150;
constexpr std::size_t kSubFoldersStep = 25;

// Grows capacity in fixed steps, so that a long listing does not reallocate on
// every entry and a short one does not take more than one step.
template <typename T>
void ReserveInSteps(std::vector<T>& items, std::size_t step) {
    if (items.size() % step == 0) items.reserve(items.size() + step);
}

// Marks a search as running for as long as it lives, also when it ends by an exception.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

std::vector<std::string> SplitPatterns(const std::string& patterns) {
    const std::string text = patterns + ";";
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(';', start);
        if (end == std::string::npos || end == start) return items;
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

MFindFile::MFindFile(const DirectoryListing& listing, MessagePump& pump, MousePointer& pointer,
                     const TextCase& textCase)
    : listing_(listing), pump_(pump), pointer_(pointer), textCase_(textCase) {}

void MFindFile::FindFiles(std::string folder, const std::string& patterns, std::int32_t& folders,
                          std::int32_t& files) {
    folders = 0;
    files = 0;
    // The messages handled during a search can start another one (a folder
    // dropped on the playlist); it would reset the results this one is filling.
    if (searching_) return;
    RunningFlag running(searching_);
    CWaitCursor hourglass(pointer_);

    FoundFiles.clear();
    FoundFileCount = 0;
    FoundFolderCount = 0;
    // A last byte of 0x5C may be the trail byte of a character, not a separator.
    if (!EndsWithBackslash(folder, textCase_)) folder += '\\';
    const std::vector<std::string> list = SplitPatterns(patterns);
    SearchFolder(folder, list, static_cast<std::int32_t>(list.size()));

    folders = FoundFolderCount + 1;
    files = FoundFileCount;
}

void MFindFile::SearchFolder(const std::string& folder, const std::vector<std::string>& patterns,
                             std::int32_t n) {
    std::vector<std::string> subFolders;
    for (DirectoryEntry& entry : listing_.List(folder + "*")) {
        if (!entry.isFolder || entry.name.starts_with(".")) continue;
        ++FoundFolderCount;
        ReserveInSteps(subFolders, kSubFoldersStep);
        subFolders.push_back(std::move(entry.name));
    }
    pump_.ProcessPendingMessages();

    const std::size_t count = std::min(patterns.size(), static_cast<std::size_t>(std::max(n, 0)));
    for (std::size_t i = 0; i < count; ++i) {
        for (const DirectoryEntry& entry : listing_.List(folder + patterns[i])) {
            if (!entry.isFolder) AddFoundFile(folder + entry.name);
        }
    }
    pump_.ProcessPendingMessages();

    for (const std::string& name : subFolders) SearchFolder(folder + name + "\\", patterns, n);
}

void MFindFile::AddFoundFile(std::string path) {
    ReserveInSteps(FoundFiles, kFoundFilesStep);
    FoundFiles.push_back(std::move(path));
    ++FoundFileCount;
}

}  // namespace brambletune
