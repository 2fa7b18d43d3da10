// The account dialogs in Velora as a user meets them: opened from the caption with the
// mouse, typed into, every box answered; the configuration file, the requests and the
// caption read back. The flat test skins are installed as Velora's "Skins".

#include "skin_colours.h"
#include "tests/support/appdriver.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/screenarea.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "velora/resource.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char kLogin[] = "/client/login/";

std::string Stored(const std::string& strUser, const std::string& strPassword)
{
    return std::string(1, static_cast<char>(strUser.size())) + strUser +
           std::string(1, static_cast<char>(strPassword.size())) + strPassword;
}

// A left click with the real mouse at (x, y) of the window.
void ClickAt(HWND hWnd, int x, int y)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    SetCursorPos(rc.left + x, rc.top + y);
    Sleep(100);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

// The caption's user area as the screen shows it, with the mouse elsewhere; its last
// rows are left out, as the band's bottom edge is not yet where it settles at start.
std::vector<COLORREF> UserArea(HWND hFrame)
{
    SetCursorPos(0, 0);
    Sleep(200);
    RECT rc;
    GetWindowRect(hFrame, &rc);
    HDC hScreen = GetDC(NULL);
    std::vector<COLORREF> pixels;
    for (int y = 8; y < 76; y += 2)
        for (int x = 15; x < 95; x += 2)
            pixels.push_back(GetPixel(hScreen, rc.left + x, rc.top + y));
    ReleaseDC(NULL, hScreen);
    return pixels;
}

// Waits until the caption band has reached the screen: the avatar's background shows in the user
// area. The window exists, and is found, before its first paint is on the screen.
bool WaitForCaptionOnScreen(HWND hFrame)
{
    return WaitUntil(
        [&] {
            RECT rc;
            GetWindowRect(hFrame, &rc);
            return ScreenPixel(rc.left + 19, rc.top + 12) == kSkinFlat_user_header;
        },
        10000, 50);
}

// Waits until the user area shows pixels (bEqual) or something else (!bEqual): a
// window that goes leaves the screen a moment later.
bool WaitForUserArea(HWND hFrame, const std::vector<COLORREF>& pixels, bool bEqual)
{
    return WaitUntil([&] { return (UserArea(hFrame) == pixels) == bEqual; }, 10000, 0);
}

// The skinned dialog's corners where the screen shows them: centred on the frame.
void ExpectShownCentredOn(HWND hFrame, HWND hDlg)
{
    RECT rcFrame, rcDlg;
    GetWindowRect(hFrame, &rcFrame);
    GetWindowRect(hDlg, &rcDlg);
    int cx = rcDlg.right - rcDlg.left, cy = rcDlg.bottom - rcDlg.top;
    POINT pt = {rcFrame.left + (rcFrame.right - rcFrame.left - cx) / 2,
                rcFrame.top + (rcFrame.bottom - rcFrame.top - cy) / 2};
    CDialogDriver dlg(hDlg);
    dlg.PixelWhenPainted(cx - 2, cy - 2, kSkinFlat_dlg_login_rbottom_banner);
    CScreenArea screen(RECT{pt.x, pt.y, pt.x + cx, pt.y + cy});
    EXPECT_EQ(kSkinFlat_dlg_login_ltop, screen.At(1, 1));
    EXPECT_EQ(kSkinFlat_dlg_login_rbottom_banner, screen.At(cx - 2, cy - 2));
}

bool WaitForFile(const CAppDriver& app, const std::string& strExpected)
{
    std::string strBytes;
    return WaitUntil([&] { return app.ReadFile("data\\config.vr", strBytes) && strBytes == strExpected; }, 10000, 100);
}

} // namespace

// Logged out, the user area opens the login dialog; the login stores the account as
// typed and the caption shows the member. The settings entry then opens the settings
// dialog, centred on the frame, bound to that account; Enter unbinds, the file is emptied and the caption
// asks for a login again. No box appears on the way.
TEST(VeloraDialogs, LoginFromTheCaptionThenUnbindInTheSettings)
{
    ASSERT_TRUE(StandIn::Reset());
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.Install(WinePath(kSkinFlatDir), "Skins"));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", std::string(2, '\0')));
    ASSERT_TRUE(app.Start());
    CBoxAnswerer answerer(app.ProcessId());
    HWND hFrame = app.WaitForWindow("Velora", nullptr, 30000);
    ASSERT_NE(nullptr, hFrame);
    ASSERT_TRUE(WaitForCaptionOnScreen(hFrame)) << "the caption never reached the screen";
    std::vector<COLORREF> loggedOut = UserArea(hFrame);

    ClickAt(hFrame, 55, 45);
    HWND hLogin = CDialogDriver::WaitForDialog(app.ProcessId(), IDC_BTN_LOGIN);
    ASSERT_NE(nullptr, hLogin) << "the user area opened no login dialog";
    CDialogDriver login(hLogin);
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200,
                                    "{\"errorcode\":0,\"data\":{\"sessioncode\":\"S1\",\"logintype\":\"42\","
                                    "\"nickname\":\"traveller\",\"head\":\"\"}}"));
    login.Type(IDC_LOGIN_EDIT_ACCOUNT, " traveller ");
    login.Type(IDC_LOGIN_EDIT_PASSWORD, "secret1");
    login.Key(IDC_LOGIN_EDIT_PASSWORD, VK_RETURN);
    EXPECT_TRUE(login.WaitClosed());
    EXPECT_TRUE(WaitForFile(app, Stored(" traveller ", "secret1")));
    std::vector<CReceivedRequest> requests = StandIn::Requests(kLogin);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("pass=secret1&user=traveller&", requests[0].body);
    EXPECT_TRUE(WaitForUserArea(hFrame, loggedOut, false)) << "the caption still asks for a login";

    ClickAt(hFrame, 415, 45);
    HWND hSettings = CDialogDriver::WaitForDialog(app.ProcessId(), IDC_BTN_BIND);
    ASSERT_NE(nullptr, hSettings) << "the settings entry opened no settings dialog";
    CDialogDriver settings(hSettings);
    ExpectShownCentredOn(hFrame, hSettings);
    EXPECT_EQ(" traveller ", settings.Text(IDC_REG_EDIT_ACCOUNT));
    settings.Key(IDC_CHECK_AUTOSTART, VK_RETURN);
    EXPECT_TRUE(WaitForFile(app, std::string(2, '\0')));
    settings.Sync();
    EXPECT_EQ("", settings.Text(IDC_REG_EDIT_ACCOUNT));
    EXPECT_TRUE(IsWindowVisible(hSettings));
    settings.Key(IDC_REG_EDIT_ACCOUNT, VK_ESCAPE);
    EXPECT_TRUE(settings.WaitClosed());
    EXPECT_TRUE(WaitForUserArea(hFrame, loggedOut, true)) << "the caption did not go back to the login prompt";
    EXPECT_EQ(1u, StandIn::Requests(kLogin).size());
    EXPECT_TRUE(answerer.Boxes().empty());

    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
}
