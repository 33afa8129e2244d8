#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace brambletune {

// Files handed over by later starts of the program. A hand-over is answered
// at once and kept; it runs only once the console has loaded and started,
// when no other hand-over runs and no modal box is open (busy), so a file
// handed over while the console loads or asks something is neither lost nor
// started in the middle of other work. Hand-overs run in the order they came.
class HandOverQueue {
public:
    using Starter = std::function<void(const std::string& path)>;
    using Busy = std::function<bool()>;
    // Beyond this many waiting hand-overs the oldest is dropped.
    static constexpr std::size_t kMaxWaiting = 16;

    HandOverQueue(Starter starter, Busy busy);

    void Keep(const std::string& path);
    // The console has loaded and made its own start.
    void SetReady() { ready_ = true; }
    // Runs the waiting hand-overs as far as the console allows; true when none is left.
    bool RunWaiting();
    std::size_t Waiting() const { return waiting_.size(); }

private:
    Starter starter_;
    Busy busy_;
    std::deque<std::string> waiting_;
    bool ready_ = false;
    bool running_ = false;
};

}  // namespace brambletune
