#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "jukebox/auxwindows/FakeMixer.h"
#include "jukebox/settings/Win32RegistryStore.h"
#include "jukebox/windows/CVolume.h"
#include "jukebox/windows/Win32Mixer.h"
#include "jukebox/windows/frmTips.h"
#include "jukebox/windows/frmVolume.h"
#include "res/resource.h"

namespace brambletune {
namespace {

HINSTANCE Instance() {
    return GetModuleHandleA(nullptr);
}

// Handles messages until done() holds or ten seconds pass.
bool PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

std::string TextOf(HWND control) {
    char text[2048] = {};
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

// A modal window runs its own loop: what the test does inside it runs from a
// thread timer, once the window of the class is up.
struct InsideModal {
    static inline const char* className = nullptr;
    static inline std::function<void(HWND)> action;
    static inline bool ran = false;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND window = FindWindowA(className, nullptr);
        if (!window || !IsWindowVisible(window)) return;
        KillTimer(nullptr, id);
        ran = true;
        action(window);
    }
    static void Arm(const char* name, std::function<void(HWND)> what) {
        className = name;
        action = std::move(what);
        ran = false;
        SetTimer(nullptr, 0, 50, Tick);
    }
};

class AuxWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300,
                                 nullptr, nullptr, Instance(), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    HWND owner_ = nullptr;
    Win32RegistryStore registry_;
};

bool HasSpeakersVolume() {
    Win32Mixer probe;
    std::uint32_t control = 0;
    return probe.OpenFirstMixer() && probe.FindSpeakersVolume(control);
}

// Wine 8 gives its first mixer a "Master Volume" speakers line with a volume
// fader that reads back what was written.
TEST_F(AuxWindowsTest, ThePopUpShowsTheVolumeTheVolumeFollowsItsSliderAndAClickBesideItCloses) {
    if (!HasSpeakersVolume()) GTEST_SKIP() << "this machine has no mixer with a speakers volume";
    Win32Mixer systemMixer;
    CVolume system(systemMixer);
    system.SetValue(75);
    Win32Mixer mixer;
    frmVolume popUp(Instance(), registry_, mixer);
    popUp.Show(owner_, 1500, 3000);
    ASSERT_NE(popUp.handle(), nullptr);
    RECT at;
    GetWindowRect(popUp.handle(), &at);
    EXPECT_EQ(at.left, 1500 / 15);  // twips at 96 dots per inch
    EXPECT_EQ(at.top, 3000 / 15);
    HWND slider = GetDlgItem(popUp.handle(), IDC_VOLUME_SLIDER);
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 75);

    for (const int percent : {0, 100, 20}) {
        SendMessageA(slider, TBM_SETPOS, TRUE, percent);
        SendMessageA(popUp.handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, percent),
                     reinterpret_cast<LPARAM>(slider));
        EXPECT_EQ(system.Value(), percent);
    }

    SendMessageA(popUp.handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(popUp.handle(), nullptr);
    system.SetValue(75);
}

TEST_F(AuxWindowsTest, WithoutAMixerThePopUpStillOpensItsSliderMovesAndLosingTheFocusCloses) {
    FakeMixer mixer;
    mixer.hasDevice = false;
    frmVolume popUp(Instance(), registry_, mixer);
    popUp.Show(owner_, 1500, 1500);
    ASSERT_NE(popUp.handle(), nullptr);
    HWND slider = GetDlgItem(popUp.handle(), IDC_VOLUME_SLIDER);
    EXPECT_EQ(GetFocus(), slider);
    SendMessageA(slider, TBM_SETPOS, TRUE, 60);
    SendMessageA(popUp.handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 60),
                 reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 60);
    EXPECT_TRUE(mixer.written.empty());

    SetFocus(owner_);
    EXPECT_TRUE(PumpUntil([&] { return popUp.handle() == nullptr; }));
}

TEST_F(AuxWindowsTest, TheTipsWindowOpensWithTheDrawnHintAndNextTipDrawsAgain) {
    const double draws[] = {0.0, 0.9999};  // hint 1, then hint 23
    int drawn = 0;
    frmTips tips(Instance(), registry_, [&] { return draws[drawn++ % 2]; });
    std::string first, second, caption;
    InsideModal::Arm("frmTips", [&](HWND window) {
        caption = TextOf(window);
        first = TextOf(GetDlgItem(window, IDC_TIPS_TEXT));
        SendMessageA(window, WM_COMMAND, IDC_TIPS_NEXT, 0);
        second = TextOf(GetDlgItem(window, IDC_TIPS_TEXT));
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    tips.ShowModal(owner_);
    ASSERT_TRUE(InsideModal::ran);
    EXPECT_EQ(caption, "Useful Tips & Hints");
    EXPECT_EQ(first,
              "Keyboard Shortcut Keys:\r\n\r\nThe keyboard is mapped to the console controls\r\n"
              "\r\nA = Play\r\nS = Pause\r\nD = Stop\r\nF = Back\r\nG = Next");
    EXPECT_EQ(second.rfind("The triangle in the column headings", 0), 0u) << second;
    EXPECT_EQ(drawn, 2);
}

TEST_F(AuxWindowsTest, TheStringTableHoldsExactlyTheHints) {
    char text[1024];
    for (UINT id = 1; id <= 23; ++id) EXPECT_GT(LoadStringA(Instance(), id, text, 1024), 0) << id;
    EXPECT_EQ(LoadStringA(Instance(), 24, text, 1024), 0);
    LoadStringA(Instance(), 15, text, 1024);
    EXPECT_STREQ(text,
                 "You can choose different icons for your multimedia files and Brambletune "
                 "albums.  Simply select the Setup section in the options");
}

}  // namespace
}  // namespace brambletune
