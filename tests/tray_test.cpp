// The tray icon's menu and commands inside a client: a real application object and
// main frame, the menu read while it is open.

#include "framework/uicall.h"
#include "tests/support/dialogcloser.h"
#include "tests/support/wait.h"
#include "util/windowmessages.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <gtest/gtest.h>
#include <map>

namespace {

CVeloraApp theApp;
CMainFrame* g_pFrame = nullptr;

// The state of each item of the open tray menu: 0 enabled, MF_GRAYED greyed.
std::map<UINT, UINT> g_menuStates;
int g_nMenusCreated = 0;
const UINT kItems[] = {ID_TRAY_SHOW, ID_TRAY_HIDE, ID_TRAY_MINIMIZE, ID_TRAY_LOGIN, ID_TRAY_LOGOUT, ID_TRAY_EXIT};

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hMenuWnd = FindWindowA("#32768", NULL);
    if (!hMenuWnd)
        return;
    KillTimer(NULL, nIDEvent);
    HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0));
    for (UINT nId : kItems)
        g_menuStates[nId] = GetMenuState(hMenu, nId, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED);
    EndMenu();
}

LRESULT CALLBACK CountMenus(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND) {
        auto* pCreate = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        if (IS_INTRESOURCE(pCreate->lpcs->lpszClass) && LOWORD(pCreate->lpcs->lpszClass) == 32768)
            ++g_nMenusCreated;
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

class TrayMenu : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(CUiCall::CreateWindowForThread());
        g_pFrame = new CMainFrame;
        g_pFrame->m_bStarted = TRUE; // no start-up sequence here
        ASSERT_TRUE(g_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        theApp.m_pMainWnd = g_pFrame;
    }

    // Opens the menu as a right click on the icon does and reads it while it is open.
    static std::map<UINT, UINT> OpenMenu()
    {
        g_menuStates.clear();
        UINT_PTR nTimer = SetTimer(NULL, 0, 100, ReadOpenMenu);
        g_pFrame->SendMessage(WM_TRAY_NOTIFY, IDR_MAINFRAME, WM_RBUTTONDOWN);
        KillTimer(NULL, nTimer);
        return g_menuStates;
    }
};

} // namespace

TEST_F(TrayMenu, GreysWhatDoesNotApplyToTheWindowsState)
{
    const struct {
        int nShow;
        UINT nGreyed;
    } cases[] = {{SW_SHOWNORMAL, ID_TRAY_SHOW}, {SW_SHOWMINIMIZED, ID_TRAY_MINIMIZE}, {SW_HIDE, ID_TRAY_HIDE}};
    for (const auto& c : cases) {
        g_pFrame->ShowWindow(SW_SHOWNORMAL);
        g_pFrame->ShowWindow(c.nShow);
        PumpFor();
        std::map<UINT, UINT> states = OpenMenu();
        ASSERT_EQ(6u, states.size()) << "show " << c.nShow;
        for (UINT nId : kItems)
            EXPECT_EQ(nId == c.nGreyed ? static_cast<UINT>(MF_GRAYED) : 0u, states[nId])
                << "show " << c.nShow << ", item " << nId;
        // The menu mode is ended by the message posted after tracking.
        MSG msg;
        EXPECT_TRUE(PeekMessageA(&msg, g_pFrame->m_hWnd, WM_NULL, WM_NULL, PM_REMOVE));
    }
}

TEST_F(TrayMenu, OnlyARightPressOpensTheMenu)
{
    HHOOK hHook = SetWindowsHookExA(WH_CBT, CountMenus, NULL, GetCurrentThreadId());
    for (LPARAM nMouse : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE})
        g_pFrame->SendMessage(WM_TRAY_NOTIFY, IDR_MAINFRAME, nMouse);
    EXPECT_EQ(0, g_nMenusCreated);
    OpenMenu();
    EXPECT_EQ(1, g_nMenusCreated);
    UnhookWindowsHookEx(hHook);
}

TEST_F(TrayMenu, CommandsShowHideMinimiseAndLogOut)
{
    const struct {
        UINT nCommand;
        BOOL bVisible, bIconic;
    } cases[] = {{ID_TRAY_HIDE, FALSE, FALSE},
                 {ID_TRAY_SHOW, TRUE, FALSE},
                 {ID_TRAY_MINIMIZE, TRUE, TRUE},
                 {ID_TRAY_SHOW, TRUE, FALSE}};
    g_pFrame->ShowWindow(SW_SHOWNORMAL);
    for (const auto& c : cases) {
        g_pFrame->SendMessage(WM_COMMAND, c.nCommand, 0);
        PumpFor();
        EXPECT_EQ(c.bVisible, IsWindowVisible(g_pFrame->m_hWnd)) << c.nCommand;
        EXPECT_EQ(c.bIconic, IsIconic(g_pFrame->m_hWnd)) << c.nCommand;
    }

    theApp.m_strSessionCode = "session";
    theApp.m_nUserId = 42;
    g_pFrame->m_strNickname = "nick";
    g_pFrame->m_strHeadImage = std::string(60, 'A');
    g_pFrame->SendMessage(WM_COMMAND, ID_TRAY_LOGOUT, 0);
    EXPECT_TRUE(theApp.m_strSessionCode.IsEmpty());
    EXPECT_TRUE(g_pFrame->m_strNickname.IsEmpty());
    EXPECT_TRUE(g_pFrame->m_strHeadImage.empty());
    EXPECT_EQ(42, theApp.m_nUserId); // the member id keeps its last value
}

TEST_F(TrayMenu, LogInOpensTheLoginDialogLoggedOutOrIn)
{
    g_pFrame->ShowWindow(SW_SHOWNORMAL);
    for (const char* pszSession : {"", "session"}) {
        theApp.m_strSessionCode = pszSession;
        CDialogCloser closer(IDC_LOGIN_EDIT_ACCOUNT);
        // Returns once the dialog, run modally, has been closed.
        g_pFrame->SendMessage(WM_COMMAND, ID_TRAY_LOGIN, 0);
        EXPECT_TRUE(closer.Closed()) << "session \"" << pszSession << "\"";
        PumpFor();
        EXPECT_TRUE(IsWindowEnabled(g_pFrame->m_hWnd));
    }
    theApp.m_strSessionCode.Empty();
}
