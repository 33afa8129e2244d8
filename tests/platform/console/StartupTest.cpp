// The single-instance hand-over on real windows and the registry, and the
// desktop shell, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
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

std::string StoredInstances(RegistryStore& registry) {
    return GetRegString(registry, RegistryStore::kCurrentUser, kSettingsRoot, "Instances", "?");
}

class SingleInstanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ConsoleProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SingleInstanceTest";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        console = CreateWindowExA(0, "SingleInstanceTest", "Console", WS_OVERLAPPEDWINDOW, 0, 0,
                                  200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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

TEST_F(SingleInstanceTest, HookedConsoleStartsWhatTheSecondInstanceHandsOver) {
    MSingleInstance first(registry);
    MSingleInstance second(registry);
    std::vector<std::string> started;
    first.HookInstanceMessages(console, [&](const std::string& path) { started.push_back(path); });
    ASSERT_NE(CurrentProc(console), &ConsoleProc);

    second.HandOver("C:\\Music\\Song One.mp3");
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Music\\Song One.mp3"});
    EXPECT_EQ(StoredInstances(registry), "C:\\Music\\Song One.mp3");

    EXPECT_EQ(SendMessageA(console, first.InstanceMessage(), 0, 0), 0);
    EXPECT_EQ(started.size(), 2u) << "the message alone starts the stored value again";
    SendMessageA(console, kPlainMessage, 0, 0);
    EXPECT_EQ(g_plainSeen, 1) << "other messages reach the console's own procedure";

    first.UnhookInstanceMessages();
    EXPECT_EQ(CurrentProc(console), &ConsoleProc);
    second.HandOver("C:\\Music\\Song Two.mp3");
    EXPECT_EQ(started.size(), 2u);
}

TEST_F(SingleInstanceTest, FailingStarterLeavesTheMessageHandled) {
    MSingleInstance first(registry);
    first.HookInstanceMessages(console, [](const std::string&) { throw std::runtime_error("x"); });
    EXPECT_EQ(SendMessageA(console, first.InstanceMessage(), 0, 0), 0);
}

TEST_F(SingleInstanceTest, EndingTheObjectGivesTheConsoleItsProcedureBack) {
    {
        MSingleInstance first(registry);
        first.HookInstanceMessages(console, [](const std::string&) {});
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
