// The shell's folder picker under Wine, answered the way a user would: select a
// folder and press OK, or press Cancel. The answer is given from the owner
// window when the picker's modal loop goes idle (WM_ENTERIDLE), so the picker
// has finished starting; while its tree is still filling, the selection is tried
// again at the next idle (a timer keeps them coming), up to a deadline.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "jukebox/console/Win32BrowseForFolder.h"

namespace brambletune {
namespace {

// What the owner window does with the picker, and whether it could.
struct Answer {
    bool choose = false;
    std::string folder;
    bool given = false;
    DWORD started = 0;
};
constexpr DWORD kSelectionDeadlineMs = 15000;
Answer g_answer;

// The text of the picker tree's selected item; empty while nothing is selected.
std::string SelectedText(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    const auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return "";
    char text[MAX_PATH] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

void AnswerPicker(HWND dialog) {
    if (!g_answer.choose) {
        g_answer.given = true;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const std::string& folder = g_answer.folder;
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    const bool selected = SelectedText(dialog) == folder.substr(folder.rfind('\\') + 1);
    if (!selected && GetTickCount() - g_answer.started < kSelectionDeadlineMs) return;
    g_answer.given = true;
    EXPECT_TRUE(selected) << "the picker did not take the selection";
    PostMessageA(dialog, WM_COMMAND, selected ? IDOK : IDCANCEL, 0);
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !g_answer.given) {
        AnswerPicker(reinterpret_cast<HWND>(lParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class FolderBrowserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = OwnerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "FolderBrowserTest";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        g_answer = {};
        g_answer.folder =
            std::string(temp) + "jukebox_browse_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(g_answer.folder.c_str(), nullptr)) << GetLastError();
        owner = CreateWindowExA(0, "FolderBrowserTest", "Owner", WS_OVERLAPPEDWINDOW, 100, 100, 300,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr) << GetLastError();
        SetTimer(owner, 1, 50, nullptr);
        g_answer.started = GetTickCount();
    }
    void TearDown() override {
        DestroyWindow(owner);
        RemoveDirectoryA(g_answer.folder.c_str());
    }

    HWND owner = nullptr;
};

TEST_F(FolderBrowserTest, OkGivesTheChosenFolder) {
    g_answer.choose = true;
    std::string path = "unchanged";
    EXPECT_TRUE(BrowseForFolder(owner, "Pick a folder", 1, path));
    EXPECT_TRUE(g_answer.given);
    EXPECT_EQ(_stricmp(path.c_str(), g_answer.folder.c_str()), 0) << path;
}

TEST_F(FolderBrowserTest, CancelLeavesThePathAlone) {
    std::string path = "unchanged";
    EXPECT_FALSE(BrowseForFolder(owner, "Pick a folder", 1, path));
    EXPECT_TRUE(g_answer.given);
    EXPECT_EQ(path, "unchanged");
}

}  // namespace
}  // namespace brambletune
