#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/console/CRecentFiles.h"
#include "jukebox/console/CTrayIcon.h"
#include "jukebox/console/CWaitCursor.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/console/Win32MousePointer.h"
#include "jukebox/console/Win32RecentMenu.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"
#include "jukebox/settings/Win32RegistryStore.h"

namespace brambletune {
namespace {

// Messages that reached the window's own procedure.
std::vector<UINT> g_seen;

// The system's move loop waits for the mouse; the window runs this drag in its
// place: the user takes the window to g_dragTo, and g_dropped is where it went.
RECT g_dragTo{};
RECT g_dropped{};

void ScriptedDrag(HWND window) {
    SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
    g_dropped = g_dragTo;
    SendMessageA(window, WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&g_dropped));
    SetWindowPos(window, nullptr, g_dropped.left, g_dropped.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
}

LRESULT CALLBACK OriginalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seen.push_back(message);
    if (message == WM_SYSCOMMAND && wParam == (SC_MOVE | HTCAPTION)) {
        ScriptedDrag(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Seen(UINT message) {
    return std::count(g_seen.begin(), g_seen.end(), message) > 0;
}

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class WindowUtilsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = OriginalProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "WindowUtilsTest";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        window =
            CreateWindowExA(0, "WindowUtilsTest", "Window utilities", WS_OVERLAPPEDWINDOW, 100, 100,
                            400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr) << GetLastError();
        g_seen.clear();
        FormMoveSettings = {true, true, 20};
    }
    void TearDown() override {
        if (IsWindow(window)) DestroyWindow(window);
        FormMoveSettings = {};
    }

    HWND window = nullptr;
    Win32RegistryStore registry;
};

TEST_F(WindowUtilsTest, SubclassedWindowGetsTrackingLimits) {
    Win32FormWindow form(window);
    CFormUtils utils(form, registry);
    utils.SubClass();
    ASSERT_EQ(form.defWindowProc(), &OriginalProc);
    ASSERT_NE(CurrentProc(window), &OriginalProc);

    const ScreenMetrics screen = form.Screen();
    utils.SetMinMaxSize(3000, 1500, 9000, 6000);
    MINMAXINFO info{};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 3000 / screen.twipsPerPixelX);
    EXPECT_EQ(info.ptMinTrackSize.y, 1500 / screen.twipsPerPixelY);
    EXPECT_EQ(info.ptMaxTrackSize.x, 9000 / screen.twipsPerPixelX);
    EXPECT_EQ(info.ptMaxTrackSize.y, 6000 / screen.twipsPerPixelY);
    EXPECT_FALSE(Seen(WM_GETMINMAXINFO)) << "the limits are answered, not passed on";

    // The system applies them when the window is sized.
    MoveWindow(window, 50, 50, 2000, 20, TRUE);
    EXPECT_EQ(form.Bounds().width, 9000 / screen.twipsPerPixelX);
    EXPECT_EQ(form.Bounds().height, 1500 / screen.twipsPerPixelY);

    utils.UnSubClass();
    EXPECT_EQ(CurrentProc(window), &OriginalProc);
    EXPECT_EQ(form.defWindowProc(), nullptr);
}

TEST_F(WindowUtilsTest, OnlyADragThroughMoveSnapsWhileDragged) {
    Win32FormWindow form(window);
    CFormUtils utils(form, registry);
    utils.SubClass();
    const ScreenArea work = form.Screen().workArea;
    const RECT nearTopLeft{work.left + 5, work.top + 10, work.left + 405, work.top + 310};

    // A drag by the caption goes where the user takes it, EasyMove on or off.
    for (bool easyMove : {false, true}) {
        FormMoveSettings.EasyMove = easyMove;
        SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
        RECT dragged = nearTopLeft;
        SendMessageA(window, WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&dragged));
        EXPECT_EQ(dragged.left, nearTopLeft.left) << "EasyMove " << easyMove;
        EXPECT_EQ(dragged.top, nearTopLeft.top) << "EasyMove " << easyMove;
        WINDOWPOS pos{window, nullptr, work.right - 410, work.bottom - 295, 400, 300, SWP_NOZORDER};
        SendMessageA(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        EXPECT_EQ(pos.x, work.right - 410) << "EasyMove " << easyMove;
        SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
    }

    // Move starts the system's move loop, which snaps as the window goes.
    MoveWindow(window, 200, 200, 400, 300, TRUE);
    g_dragTo = nearTopLeft;
    utils.Move();
    EXPECT_EQ(g_dropped.left, work.left);
    EXPECT_EQ(g_dropped.top, work.top);
    EXPECT_EQ(g_dropped.right, work.left + 400);
    EXPECT_EQ(form.Bounds().left, work.left);
    EXPECT_EQ(form.Bounds().top, work.top);
    EXPECT_TRUE(Seen(WM_MOVING) && Seen(WM_WINDOWPOSCHANGING)) << "passed on after snapping";

    // A move the user does not drive is left where the program puts it.
    WINDOWPOS placed{window, nullptr, work.left + 3, work.top + 3, 400, 300, SWP_NOZORDER};
    SendMessageA(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&placed));
    EXPECT_EQ(placed.x, work.left + 3);
}

TEST_F(WindowUtilsTest, WaitCursorAnswersSetCursorWithTheHourglassWhileItLives) {
    const HCURSOR hourglass = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    // What the system sends when the mouse moves over the window.
    const auto mouseMoves = [&] {
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    Win32MousePointer pointer;
    {
        CWaitCursor outer(pointer);
        {
            CWaitCursor inner(pointer);
            mouseMoves();
            EXPECT_EQ(GetCursor(), hourglass);
        }
        mouseMoves();
        EXPECT_EQ(GetCursor(), hourglass) << "one wait cursor still lives";
        EXPECT_TRUE(Seen(WM_SETCURSOR)) << "the window still gets the message";
    }
    EXPECT_EQ(GetCursor(), arrow);
    mouseMoves();
    EXPECT_EQ(GetCursor(), arrow) << "the window's own cursor is back";
}

TEST_F(WindowUtilsTest, FlashHandlesPendingMessagesAndLeavesQuitToTheMessageLoop) {
    Win32FormWindow form(window);
    PostMessageA(window, WM_APP, 0, 0);
    PostQuitMessage(7);
    form.Flash();
    EXPECT_TRUE(Seen(WM_APP));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was lost";
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowUtilsTest, RecentAlbumsBecomeMenuItemsInPlaceOfNone) {
    const std::string key = std::string(kSettingsRoot) + "Recent Files";
    DeleteRegKey(registry, RegistryStore::kCurrentUser, key);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 100, "&Open...");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 200, "(None)");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 300, "E&xit");
    Win32RecentMenu items(menu, 200);
    Win32TextCase textCase;
    const auto samePath = [](const std::string& p) { return p; };
    const auto caption = [&](UINT id) {
        char text[MAX_PATH] = {};
        GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    {
        CRecentFiles recent(items, registry, textCase, samePath);
        recent.Init(4);
        EXPECT_EQ(caption(200), "(None)");
        recent.Add("C:\\Music\\Rock & Roll.alb");
        recent.Add("C:\\Music\\Jazz.alb");
        recent.Add("c:\\music\\ROCK & ROLL.ALB");
    }
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_EQ(GetMenuState(menu, 200, MF_BYCOMMAND), UINT(-1)) << "(None) is gone";
    EXPECT_EQ(GetMenuItemID(menu, 1), 201u);
    EXPECT_EQ(caption(201), "c:\\music\\ROCK && ROLL.ALB");
    EXPECT_EQ(caption(202), "C:\\Music\\Jazz.alb");
    EXPECT_EQ(GetMenuState(menu, 201, MF_BYCOMMAND) & MF_GRAYED, 0u);

    // The next run reads them back from the registry.
    CRecentFiles next(items, registry, textCase, samePath);
    next.Init(1);
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(caption(201), "c:\\music\\ROCK && ROLL.ALB");

    DeleteRegKey(registry, RegistryStore::kCurrentUser, key);
    next.Read();
    EXPECT_EQ(GetMenuItemID(menu, 1), 200u);
    EXPECT_EQ(caption(200), "(None)");
    EXPECT_NE(GetMenuState(menu, 200, MF_BYCOMMAND) & MF_GRAYED, 0u);
    DestroyMenu(menu);
}

TEST_F(WindowUtilsTest, TrayCallbackBecomesClickUntilTheIconIsDeleted) {
    std::vector<int> clicks;
    CTrayIcon tray;
    tray.SetClickHandler([&](int message) { clicks.push_back(message); });
    EXPECT_TRUE(tray.Add(window, LoadIconA(nullptr, IDI_APPLICATION), std::string(80, 't')));
    EXPECT_EQ(tray.defWindowProc(), &OriginalProc);

    EXPECT_EQ(SendMessageA(window, CTrayIcon::kCallbackMessage, 0, WM_LBUTTONUP), 0);
    SendMessageA(window, CTrayIcon::kCallbackMessage, 0, WM_RBUTTONUP);
    EXPECT_EQ(clicks, (std::vector<int>{WM_LBUTTONUP, WM_RBUTTONUP}));
    EXPECT_FALSE(Seen(CTrayIcon::kCallbackMessage));
    SendMessageA(window, WM_USER + 7, 0, 0);
    EXPECT_TRUE(Seen(WM_USER + 7));

    tray.SetClickHandler([](int) { throw std::runtime_error("handler failed"); });
    SendMessageA(window, CTrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);

    tray.Delete();
    EXPECT_EQ(CurrentProc(window), &OriginalProc);
    EXPECT_EQ(tray.defWindowProc(), nullptr);
    SendMessageA(window, CTrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);
    EXPECT_TRUE(Seen(CTrayIcon::kCallbackMessage));
    EXPECT_EQ(clicks.size(), 2u);
}

// The shell forgets every icon when it restarts, then announces "TaskbarCreated".
TEST_F(WindowUtilsTest, TheTrayIconIsAddedAgainWhenTheShellRestarts) {
    CTrayIcon tray;
    ASSERT_TRUE(tray.Add(window, LoadIconA(nullptr, IDI_APPLICATION), "tip"));
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window;
    probe.uID = 0;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &probe));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe)) << "the icon is gone";

    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(window, taskbarCreated, 0, 0);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe)) << "the icon is back";
    EXPECT_TRUE(tray.Shown());
    EXPECT_TRUE(Seen(taskbarCreated)) << "the window still sees the announcement";

    SendMessageA(window, taskbarCreated, 0, 0);
    EXPECT_TRUE(tray.Shown()) << "an icon the shell kept still counts";
}

TEST_F(WindowUtilsTest, HooksEndingInAnyOrderGiveTheOriginalProcedureBack) {
    Win32FormWindow form(window);
    auto utils = std::make_unique<CFormUtils>(form, registry);
    utils->SubClass();
    std::vector<int> clicks;
    CTrayIcon tray;
    tray.SetClickHandler([&](int message) { clicks.push_back(message); });
    tray.Add(window, LoadIconA(nullptr, IDI_APPLICATION), "tip");
    EXPECT_EQ(tray.defWindowProc(), &OriginalProc);

    utils.reset();  // ends its subclassing first
    SendMessageA(window, CTrayIcon::kCallbackMessage, 0, WM_LBUTTONUP);
    EXPECT_EQ(clicks.size(), 1u) << "the tray icon still gets its messages";
    MINMAXINFO info{};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_TRUE(Seen(WM_GETMINMAXINFO));

    tray.Delete();
    EXPECT_EQ(CurrentProc(window), &OriginalProc);

    // A window destroyed while hooked: its hook ends quietly afterwards.
    tray.Add(window, LoadIconA(nullptr, IDI_APPLICATION), "tip");
    DestroyWindow(window);
    tray.Delete();
}

}  // namespace
}  // namespace brambletune
