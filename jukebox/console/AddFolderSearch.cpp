#include "jukebox/console/AddFolderSearch.h"

namespace brambletune {
namespace {

struct FileType {
    const char* name;
    const char* patterns;
};
constexpr FileType kTypes[kFolderFileTypes] = {
    {"All Multimedia Files",
     "*.avi;*.mov;*.mpg;*.mpe*;*.qt;*.wmv;*.rm;*.aif*;*.au;*.cda;*.mid;*.rmi;*.snd;*.wav;*.wma;*."
     "mp2;"
     "*.mp3;*.ra;"},
    {"All Audio Files", "*.aif*;*.au;*.cda;*.mid;*.rmi;*.snd;*.wav;*.wma;*.mp2;*.mp3;*.ra;"},
    {"All Video Files", "*.avi;*.mov;*.mpg;*.mpe*;*.qt;*.wmv;*.rm;"},
    {"All Mpeg Audio", "*.mp2;*.mp3;"},
    {"All RealMedia Files", "*.ra;*.rm;"},
};

bool Known(std::int32_t index) {
    return index >= 0 && index < kFolderFileTypes;
}

}  // namespace

std::string FileTypeName(std::int32_t index) {
    return Known(index) ? kTypes[index].name : "";
}

std::string FileTypePatterns(std::int32_t index) {
    return Known(index) ? kTypes[index].patterns : "";
}

std::string SearchResultsText(std::int32_t files, std::int32_t folders) {
    return std::to_string(files) + " file" + (files > 1 ? "s" : "") + " added from " +
           std::to_string(folders) + " folder" + (folders > 1 ? "s" : "");
}

}  // namespace brambletune
