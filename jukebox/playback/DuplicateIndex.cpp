#include "jukebox/playback/DuplicateIndex.h"

#include "jukebox/model/CSongList.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/playback/PathNames.h"
#include "jukebox/playback/ShortPathBatch.h"

namespace brambletune {

std::string DuplicateIndex::IdentityOf(const std::string& path) const {
    return textCase_.Upper(GetShortPath(paths_, path));
}

void DuplicateIndex::Build(const CSongList& list) {
    if (built_) return;
    byIndex_.clear();
    counts_.clear();
    byIndex_.reserve(static_cast<std::size_t>(list.nSongs()));
    counts_.reserve(static_cast<std::size_t>(list.nSongs()));
    ShortPathBatch shortPaths(paths_, textCase_);
    for (std::int32_t i = 0; i < list.nSongs(); ++i) {
        byIndex_.push_back(textCase_.Upper(shortPaths.ShortPath(list.song(i).songPath)));
        Count(byIndex_.back());
    }
    built_ = true;
}

void DuplicateIndex::Reset() {
    built_ = false;
    byIndex_.clear();
    counts_.clear();
}

bool DuplicateIndex::Contains(const std::string& identity) const {
    return built_ && counts_.count(identity) > 0;
}

void DuplicateIndex::Added(const std::string& path) {
    if (!built_) return;
    byIndex_.push_back(IdentityOf(path));
    Count(byIndex_.back());
}

void DuplicateIndex::Removed(std::int32_t index) {
    if (!built_ || index < 0 || index >= static_cast<std::int32_t>(byIndex_.size())) return;
    const auto slot = static_cast<std::size_t>(index);
    Uncount(byIndex_[slot]);
    if (slot + 1 != byIndex_.size()) byIndex_[slot] = std::move(byIndex_.back());
    byIndex_.pop_back();
}

void DuplicateIndex::Changed(std::int32_t index, const std::string& path) {
    if (!built_ || index < 0 || index >= static_cast<std::int32_t>(byIndex_.size())) return;
    const auto slot = static_cast<std::size_t>(index);
    Uncount(byIndex_[slot]);
    byIndex_[slot] = IdentityOf(path);
    Count(byIndex_[slot]);
}

void DuplicateIndex::Count(const std::string& identity) {
    ++counts_[identity];
}

void DuplicateIndex::Uncount(const std::string& identity) {
    const auto found = counts_.find(identity);
    if (found == counts_.end()) return;
    if (--found->second == 0) counts_.erase(found);
}

}  // namespace brambletune
