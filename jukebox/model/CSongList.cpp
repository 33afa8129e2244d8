#include "jukebox/model/CSongList.h"

#include <algorithm>
#include <stdexcept>

#include "jukebox/model/AlbumStream.h"
#include "jukebox/model/AlbumVersion.h"

namespace brambletune {
namespace {

// Slots reserved ahead of reading, at most: a file's count line is not trusted
// with more than this; beyond it the array grows with the songs actually read.
constexpr std::int64_t kMaxTrustedCount = 1 << 16;

}  // namespace

CSongList::~CSongList() {
    Clear();
}

std::int32_t CSongList::nHistory() const {
    std::int32_t n = 0;
    for (std::int32_t i = 0; i < count_; ++i) n += slots_[i]->history == 1 ? 1 : 0;
    return n;
}

void CSongList::ClearHistory() {
    ++changes_;
    for (std::int32_t i = 0; i < count_; ++i) slots_[i]->history = 0;
}

CSong& CSongList::song(std::int32_t i) {
    if (i < 0 || i >= count_) throw std::out_of_range("CSongList::song: index out of range");
    return *slots_[i];
}

const CSong& CSongList::song(std::int32_t i) const {
    if (i < 0 || i >= count_) throw std::out_of_range("CSongList::song: index out of range");
    return *slots_[i];
}

void CSongList::SetSong(std::int32_t i, const CSong& value) {
    if (i < 0 || i >= count_) return;
    ++changes_;
    *slots_[i] = value;
}

void CSongList::SetCapacity(std::int64_t slots) {
    slots_.resize(static_cast<std::size_t>(std::max<std::int64_t>(slots, count_)));
}

void CSongList::Add(const CSong& value) {
    ++changes_;
    if (count_ % kCapacityStep == 0) SetCapacity(std::int64_t{count_} + 26);
    auto stored = std::make_unique<CSong>();
    stored->Copy(value);
    slots_[count_] = std::move(stored);
    ++count_;
}

void CSongList::Remove(std::int32_t i) {
    ++changes_;
    if (i < 0 || i >= count_) return;
    const std::int32_t last = count_ - 1;
    slots_[i].reset();
    if (i != last) slots_[i] = std::move(slots_[last]);
    count_ = last;
    if (count_ % kCapacityStep == 0) SetCapacity(std::int64_t{count_} + 1);
}

void CSongList::Clear() {
    ++changes_;
    for (auto& slot : slots_) slot.reset();
    count_ = 0;
}

bool CSongList::ReadSongs(AlbumReader& file, std::string_view version, std::int32_t n) {
    ++changes_;
    const std::int32_t before = count_;
    const std::int32_t capacityBefore = Capacity();
    const std::int64_t wanted = std::int64_t{before} + n + 26;
    // Reserve what the file claims only up to a sane bound.
    SetCapacity(std::min(wanted, std::int64_t{before} + kMaxTrustedCount + 26));
    for (std::int32_t k = 0; k < n; ++k) {
        auto s = std::make_unique<CSong>();
        if (!s->Read(file, version)) {
            // Drop every song of this read: the caller shows rows only for a
            // successful read, so no song may stay in the list unseen.
            for (std::int32_t i = before; i < count_; ++i) slots_[i].reset();
            count_ = before;
            SetCapacity(std::max<std::int64_t>(capacityBefore, std::int64_t{before} + 1));
            return false;
        }
        if (count_ >= Capacity()) SetCapacity(std::min(wanted, std::int64_t{count_} * 2));
        slots_[count_] = std::move(s);
        ++count_;
    }
    SetCapacity(wanted);
    return true;
}

bool CSongList::ReadFile(AlbumReader& file, std::string_view version) {
    Clear();
    if (VersionOf(version) == AlbumVersion::kUnknown) return true;
    std::int32_t n = 0;
    std::int32_t mode = 0;
    bool all = false;
    if (!file.ReadInt(n) || !file.ReadInt(mode) || !file.ReadBool(all) || n < 0) return false;
    PlayMode = mode;
    repeatAll = all;
    return ReadSongs(file, version, n);
}

bool CSongList::AppendFile(AlbumReader& file, std::string_view version) {
    if (VersionOf(version) == AlbumVersion::kUnknown) return true;
    std::int32_t n = 0;
    std::int32_t mode = 0;
    bool all = false;
    if (!file.ReadInt(n) || !file.ReadInt(mode) || !file.ReadBool(all) || n < 0) return false;
    return ReadSongs(file, version, n);
}

void CSongList::SaveFile(AlbumWriter& file, std::string_view version) const {
    if (VersionOf(version) == AlbumVersion::kUnknown) return;
    file.Int(count_);
    file.Int(PlayMode);
    file.Bool(repeatAll);
    file.EndLine();
    for (std::int32_t i = 0; i < count_; ++i) slots_[i]->Save(file, version);
}

}  // namespace brambletune
