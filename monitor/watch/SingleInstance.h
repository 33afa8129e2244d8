#pragma once

#include <windows.h>

namespace vigilon {

// Holds the named shared memory object "Vigilon" for the life of the program.
// A second copy finds it already there, broadcasts the registered "Vigilon"
// message and ends.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool IsFirst() const { return first_; }
    // Tells the running copy that another one was started.
    void NotifyRunningCopy() const;

private:
    HANDLE mapping_ = nullptr;
    bool first_ = true;
};

}  // namespace vigilon
