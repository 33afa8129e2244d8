// Win32MediaHotKeys against the system's table of hot keys.
#include <gtest/gtest.h>
#include <windows.h>

#include "jukebox/console/Win32MediaHotKeys.h"

namespace brambletune {
namespace {

// A hidden window of this thread, destroyed with the object.
class Window {
public:
    Window()
        : hwnd_(CreateWindowExA(0, "STATIC", "hot keys", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr)) {}
    ~Window() { DestroyWindow(hwnd_); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// True when nobody holds the key: the probe window can take it (and gives it back).
bool IsFree(const Window& probe, UINT key) {
    if (!RegisterHotKey(probe.get(), 1, 0, key)) return false;
    UnregisterHotKey(probe.get(), 1);
    return true;
}

TEST(Win32MediaHotKeys, TakesTheFreeKeysLeavesHeldOnesAndGivesBackItsOwn) {
    Window other, ours, probe;
    ASSERT_TRUE(other.get() && ours.get() && probe.get());
    ASSERT_TRUE(RegisterHotKey(other.get(), 7, 0, VK_MEDIA_STOP)) << GetLastError();
    {
        Win32MediaHotKeys keys;
        keys.Register(ours.get());
        for (const UINT key : {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK})
            EXPECT_FALSE(IsFree(probe, key)) << key;
        keys.Register(ours.get());  // again: nothing changes
        keys.Unregister();
        EXPECT_TRUE(IsFree(probe, VK_MEDIA_NEXT_TRACK));
        keys.Register(ours.get());
        EXPECT_FALSE(IsFree(probe, VK_MEDIA_NEXT_TRACK));
    }  // destroyed while holding the keys
    for (const UINT key : {VK_MEDIA_PLAY_PAUSE, VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK})
        EXPECT_TRUE(IsFree(probe, key)) << key;
    // The key another window held stays with it.
    EXPECT_FALSE(IsFree(probe, VK_MEDIA_STOP));
    UnregisterHotKey(other.get(), 7);
    EXPECT_TRUE(IsFree(probe, VK_MEDIA_STOP));
}

TEST(Win32MediaHotKeys, OnlyItsOwnIdsNameCommands) {
    EXPECT_EQ(Win32MediaHotKeys::CommandOf(0), MediaCommand::kNone);
    EXPECT_EQ(Win32MediaHotKeys::CommandOf(0xBFFF), MediaCommand::kNone);
}

}  // namespace
}  // namespace brambletune
