#include "jukebox/console/HandOverQueue.h"

#include <utility>

namespace brambletune {

HandOverQueue::HandOverQueue(Starter starter, Busy busy)
    : starter_(std::move(starter)), busy_(std::move(busy)) {}

void HandOverQueue::Keep(const std::string& path) {
    if (waiting_.size() == kMaxWaiting) waiting_.pop_front();
    waiting_.push_back(path);
}

bool HandOverQueue::RunWaiting() {
    // A starter's own boxes pump messages: a hand-over arriving meanwhile waits for it.
    if (!ready_ || running_) return waiting_.empty();
    while (!waiting_.empty() && !busy_()) {
        const std::string path = std::move(waiting_.front());
        waiting_.pop_front();
        running_ = true;
        try {
            starter_(path);
        } catch (...) {
            running_ = false;
            throw;
        }
        running_ = false;
    }
    return waiting_.empty();
}

}  // namespace brambletune
