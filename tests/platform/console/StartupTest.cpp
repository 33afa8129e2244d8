// The single-instance hand-over on real windows and the registry, and the
// desktop shell, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "jukebox/console/MSingleInstance.h"
#include "jukebox/console/Win32DesktopShell.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"
#include "jukebox/settings/Win32RegistryStore.h"

namespace brambletune {
namespace {

constexpr UINT kPlainMessage = WM_APP + 7;
int g_plainSeen = 0;

LRESULT CALLBACK ConsoleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPlainMessage) ++g_plainSeen;
    return DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Dispatches this thread's messages until done() or the time is up; true when done.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

std::string StoredInstances(RegistryStore& registry) {
    return GetRegString(registry, RegistryStore::kCurrentUser, kSettingsRoot, "Instances", "?");
}

class SingleInstanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ConsoleProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        // The hand-over asks only windows of the console's class.
        wc.lpszClassName = "frmConsole";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        console = CreateWindowExA(0, "frmConsole", "Console", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(console, nullptr) << GetLastError();
        g_plainSeen = 0;
    }
    void TearDown() override { DestroyWindow(console); }

    HWND console = nullptr;
    Win32RegistryStore registry;
};

TEST_F(SingleInstanceTest, FirstObjectOfTheBuildHoldsTheInstanceUntilItEnds) {
    EXPECT_EQ(InstanceMessageName(), "Brambletune668");
    {
        MSingleInstance first(registry);
        MSingleInstance second(registry);
        EXPECT_FALSE(first.PrevInstance());
        EXPECT_TRUE(second.PrevInstance());
        EXPECT_NE(first.InstanceMessage(), 0u);
        EXPECT_EQ(first.InstanceMessage(), second.InstanceMessage());
        EXPECT_EQ(first.InstanceMessage(), RegisterWindowMessageA("Brambletune668"));
    }
    MSingleInstance later(registry);
    EXPECT_FALSE(later.PrevInstance());
}

TEST_F(SingleInstanceTest, HookedConsoleTakesWhatTheSecondInstanceHandsOverOnceReady) {
    MSingleInstance first(registry);
    MSingleInstance second(registry);
    std::vector<std::string> started;
    bool busy = false;
    first.HookInstanceMessages(
        console, [&](const std::string& path) { started.push_back(path); }, [&] { return busy; },
        [] { return true; });
    ASSERT_NE(CurrentProc(console), &ConsoleProc);

    // Still loading: the hand-over is answered and kept.
    EXPECT_TRUE(second.HandOver("C:\\Music\\Song One.mp3"));
    EXPECT_EQ(StoredInstances(registry), "C:\\Music\\Song One.mp3");
    PumpUntil([] { return false; }, 0);
    EXPECT_TRUE(started.empty());
    first.Ready();
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Music\\Song One.mp3"});

    // A box is open: it runs once the box has closed.
    busy = true;
    EXPECT_EQ(SendMessageA(console, first.InstanceMessage(), 0, 0), 1);
    PumpUntil([] { return false; }, 0);
    EXPECT_EQ(started.size(), 1u);
    busy = false;
    EXPECT_TRUE(PumpUntil([&] { return started.size() == 2; }, 5000));

    SendMessageA(console, kPlainMessage, 0, 0);
    EXPECT_EQ(g_plainSeen, 1) << "other messages reach the console's own procedure";
    first.UnhookInstanceMessages();
    EXPECT_EQ(CurrentProc(console), &ConsoleProc);
    EXPECT_EQ(SendMessageA(console, first.InstanceMessage(), 0, 0), 0);
}

TEST_F(SingleInstanceTest, AnUnloadingConsoleRefusesAndTheSecondInstanceTakesOver) {
    MSingleInstance first(registry);
    first.HookInstanceMessages(
        console, [](const std::string&) {}, [] { return false; }, [] { return false; });
    EXPECT_EQ(SendMessageA(console, first.InstanceMessage(), 0, 0), 0);
    MSingleInstance second(registry);
    ASSERT_TRUE(second.PrevInstance());
    // The mutex belongs to this very thread, so the wait ends at once as if the first had gone.
    EXPECT_FALSE(second.HandOver("C:\\a.mp3"));
    EXPECT_FALSE(second.PrevInstance());
}

TEST_F(SingleInstanceTest, EndingTheObjectGivesTheConsoleItsProcedureBack) {
    {
        MSingleInstance first(registry);
        first.HookInstanceMessages(
            console, [](const std::string&) {}, [] { return false; }, [] { return true; });
    }
    EXPECT_EQ(CurrentProc(console), &ConsoleProc);
}

TEST(DesktopShellTest, MissingFileCannotBeOpenedAndHasNoAttributes) {
    Win32DesktopShell shell;
    const std::string missing = "C:\\no such folder\\no such file.txt";
    EXPECT_FALSE(shell.ShellOpen(missing, SW_SHOWNORMAL, ""));
    EXPECT_EQ(shell.Attributes(missing), DesktopShell::kNoFile);
    char windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_TRUE(shell.Attributes(windows) & DesktopShell::kDirectoryOnly);
}

}  // namespace
}  // namespace brambletune
