#include "jukebox/playback/MMCICtrl.h"

#include <algorithm>

#include "jukebox/playback/CMCICtrl.h"

namespace brambletune {

MMCICtrl::MMCICtrl(MciApi& mci, const FileSystem& files, const PathNames& paths,
                   const TextCase& textCase)
    : mci_(mci), files_(files), paths_(paths), textCase_(textCase) {}

MMCICtrl::~MMCICtrl() = default;

std::uintptr_t MMCICtrl::NotifyWindow() const {
    return window_ ? window_->Handle() : 0;
}

void MMCICtrl::Register(CMCICtrl& instance) {
    if (IsRegistered(instance)) return;
    if (instances_.empty()) {
        window_ = mci_.CreateNotifyWindow(
            [this](std::uint32_t flags, std::uint32_t deviceID) { Dispatch(flags, deviceID); });
    }
    instances_.push_back(&instance);
}

void MMCICtrl::Unregister(CMCICtrl& instance) {
    const auto found = std::find(instances_.begin(), instances_.end(), &instance);
    if (found == instances_.end()) return;
    *found = instances_.back();
    instances_.pop_back();
    if (instances_.empty()) window_.reset();
}

bool MMCICtrl::IsRegistered(const CMCICtrl& instance) const {
    return std::find(instances_.begin(), instances_.end(), &instance) != instances_.end();
}

void MMCICtrl::Dispatch(std::uint32_t flags, std::uint32_t deviceID) {
    for (CMCICtrl* instance : instances_) {
        if (instance->HasDevice(deviceID)) {
            // The handler may unregister instances, so the scan ends here.
            instance->OnNotice(flags);
            return;
        }
    }
}

}  // namespace brambletune
