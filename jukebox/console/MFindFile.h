#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "jukebox/console/DirectoryListing.h"
#include "jukebox/console/MessagePump.h"
#include "jukebox/console/MousePointer.h"
#include "jukebox/model/TextCase.h"

namespace brambletune {

// Splits a pattern list such as "*.mp2;*.mp3;" into its patterns. An item counts
// only when a ";" ends it and the first empty item ends the list, so one ";" is
// appended first: it completes an unterminated last pattern, and a list that
// already ends in ";" stops at the empty item it makes.
std::vector<std::string> SplitPatterns(const std::string& patterns);

// Recursive search of a folder tree for files matching a pattern list. The
// results stay in the public fields until the next search starts.
class MFindFile {
public:
    MFindFile(const DirectoryListing& listing, MessagePump& pump, MousePointer& pointer,
              const TextCase& textCase);

    // Resets the results and searches folder (with or without a trailing
    // backslash) and every folder below it, showing the hourglass meanwhile.
    // folders = the start folder plus the sub-folders entered; files = FoundFileCount.
    // Pending window messages are handled during the search; a search started by
    // one of them while this one runs is refused: it finds nothing and gives
    // 0 folders and 0 files, leaving the running search's results alone.
    void FindFiles(std::string folder, const std::string& patterns, std::int32_t& folders,
                   std::int32_t& files);

    // One level of the search, then the levels below, depth first: the files of
    // folder (which ends in a backslash) matching patterns[0] ... patterns[n - 1],
    // grouped by pattern in listing order, then each sub-folder in listing order.
    // Folders whose names begin with "." are not entered.
    void SearchFolder(const std::string& folder, const std::vector<std::string>& patterns,
                      std::int32_t n);

    // Full paths of the matches in the order found; the same file appears once for
    // each pattern that matches it. Its capacity grows 150 entries at a time.
    std::vector<std::string> FoundFiles;
    std::int32_t FoundFileCount = 0;
    // Sub-folders entered below the start folder.
    std::int32_t FoundFolderCount = 0;

private:
    void AddFoundFile(std::string path);

    const DirectoryListing& listing_;
    MessagePump& pump_;
    MousePointer& pointer_;
    const TextCase& textCase_;
    bool searching_ = false;
};

}  // namespace brambletune
