// The skinned dialog frame and the skinned controls, read from the screen with the
// flat test skins beside the program: every image is one colour of skin_colours.h.

#include "ctrl/custombutton.h"
#include "ctrl/customedit.h"
#include "ctrl/hyperlinkstatic.h"
#include "framework/dc.h"
#include "framework/resources.h"
#include "net/serviceroot.h"
#include "skin_colours.h"
#include "tests/support/appdriver.h"
#include "tests/support/dialogclient.h"
#include "tests/support/screenarea.h"
#include "tests/support/wait.h"
#include "util/paths.h"
#include "velora/dialoglogin.h"
#include "velora/dialogregister.h"
#include "velora/dialogset.h"
#include "velora/resource.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gdiplus.h>
#include <string>

namespace {

struct CDialogKind {
    const char* pszName;
    int nControl;
    UINT nIDTitle;
    std::function<INT_PTR(const std::function<void(CDialogDriver&)>&)> run;
    bool bLongTitle; // four characters ("用户登录", "用户注册") or two ("设置")
    // Centred on the screen by the dialog itself, or by the framework on its owner, the
    // client's hidden frame here: on the work area.
    bool bPlacesItself;
};

const CDialogKind kDialogs[] = {
    {"login", IDC_BTN_LOGIN, IDS_LOGIN_TITLE,
     [](auto script) { return DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, script); }, true, true},
    {"register", IDC_BTN_REGISTER, IDS_REGISTER_TITLE,
     [](auto script) { return DialogClient::Run<CDialogRegister>(IDC_BTN_REGISTER, script); }, true, true},
    {"settings", IDC_BTN_BIND, IDS_SETTINGS_TITLE,
     [](auto script) { return DialogClient::Run<CDialogSet>(IDC_BTN_BIND, script); }, false, false},
};

SIZE WindowSize(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

int CountColour(const CDialogDriver& dlg, RECT rc, COLORREF cr, bool bClient = false)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += dlg.Pixel(x, y, bClient) == cr;
    return n;
}

// The darkest level of the grey text in rc (client coordinates); -1 when a pixel is
// not grey at all.
int DarkestGrey(const CDialogDriver& dlg, RECT rc)
{
    int nDarkest = 255;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            COLORREF cr = dlg.Pixel(x, y, true);
            if (GetRValue(cr) != GetGValue(cr) || GetGValue(cr) != GetBValue(cr))
                return -1;
            nDarkest = std::min<int>(nDarkest, GetRValue(cr));
        }
    }
    return nDarkest;
}

// The darkest level of the label's text drawn in black with the font the dialog gives
// its labels: grey text of the same coverage is lighter.
int DarkestInBlack(HWND hDlg, HWND hLabel)
{
    HDC hScreen = GetDC(NULL);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, 100, 30);
    ReleaseDC(NULL, hScreen);
    HGDIOBJ hOldBitmap = SelectObject(hDC, hBitmap);
    SendMessageA(hDlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hLabel));
    RECT rc = {0, 0, 100, 30};
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(hDC, RGB(0, 0, 0));
    char szText[64] = "";
    GetWindowTextA(hLabel, szText, sizeof(szText));
    DrawTextA(hDC, szText, -1, &rc, DT_LEFT | DT_TOP);
    int nDarkest = 255;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            nDarkest = std::min<int>(nDarkest, GetRValue(GetPixel(hDC, x, y)));
    SelectObject(hDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    return nDarkest;
}

// How many pixels of the title's line differ on the screen from the title as the frame
// draws it, white "宋体" 12 px bold at (15, 8) of the top banner. The line is the box the
// text is laid out in, down to the font's descent: where the client area reaches into it,
// it hides the lower part of the title.
int TitleDifferences(HWND hDlg, UINT nIDTitle)
{
    const int kWidth = 100, kHeight = kSkinHeight_dlg_login_top_banner;
    const COLORREF crBanner = kSkinFlat_dlg_login_top_banner;
    RECT rcWindow;
    GetWindowRect(hDlg, &rcWindow);
    CScreenArea screen(RECT{rcWindow.left, rcWindow.top, rcWindow.left + kWidth, rcWindow.top + kHeight});
    HDC hScreen = GetDC(NULL);
    COffscreenBuffer title(hScreen, kWidth, kHeight);
    ReleaseDC(NULL, hScreen);
    Gdiplus::RectF box;
    {
        Gdiplus::Graphics graphics(title);
        graphics.Clear(Gdiplus::Color(GetRValue(crBanner), GetGValue(crBanner), GetBValue(crBanner)));
        Gdiplus::FontFamily family(L"宋体");
        Gdiplus::Font font(&family, 12, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
        std::wstring strTitle = AfxLoadString(nIDTitle).Wide();
        graphics.DrawString(strTitle.c_str(), -1, &font, Gdiplus::PointF(15, 8), &white);
        graphics.MeasureString(strTitle.c_str(), -1, &font, Gdiplus::PointF(15, 8), &box);
    }
    int nInk = 0, nDifferent = 0;
    for (int y = static_cast<int>(box.Y); y < static_cast<int>(std::ceil(box.GetBottom())); ++y) {
        for (int x = static_cast<int>(box.X); x < static_cast<int>(std::ceil(box.GetRight())); ++x) {
            nInk += GetPixel(title, x, y) == RGB(255, 255, 255);
            nDifferent += screen.At(x, y) != GetPixel(title, x, y);
        }
    }
    EXPECT_GT(nInk, 20) << "no title drawn here";
    return nDifferent;
}

LPARAM ScreenPoint(HWND hWnd, int x, int y)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return MAKELPARAM(rc.left + x, rc.top + y);
}

class SkinnedFrame : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(DialogClient::Start()); }
    void SetUp() override { DialogClient::ResetCounters(); }
};

} // namespace

// Nine slices at their places, the whole title of each dialog above the client area,
// grey labels on white; the dialog centred where it belongs.
TEST_F(SkinnedFrame, EachDialogWearsTheSkinWithItsTitle)
{
    for (const CDialogKind& kind : kDialogs) {
        kind.run([&](CDialogDriver& dlg) {
            Sleep(300);
            SIZE size = WindowSize(dlg.Get());
            int w = size.cx, h = size.cy;
            RECT rcAround = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            if (!kind.bPlacesItself)
                SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcAround, 0);
            RECT rcDlg;
            GetWindowRect(dlg.Get(), &rcDlg);
            EXPECT_EQ(rcAround.left + (rcAround.right - rcAround.left - w) / 2, rcDlg.left) << kind.pszName;
            EXPECT_EQ(rcAround.top + (rcAround.bottom - rcAround.top - h) / 2, rcDlg.top) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_ltop, dlg.Pixel(1, 1)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_top_banner, dlg.Pixel(w / 2, 2)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_rtop_banner, dlg.Pixel(w - 2, 1)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_left_banner, dlg.Pixel(1, h / 2)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_right_banner, dlg.Pixel(w - 2, h / 2)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_border_leftbottom, dlg.Pixel(1, h - 2)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_rbottom_banner, dlg.Pixel(w - 2, h - 2)) << kind.pszName;
            EXPECT_EQ(kSkinFlat_dlg_login_bottom_banner, dlg.Pixel(w / 2, h - 2)) << kind.pszName;

            const COLORREF kWhite = RGB(255, 255, 255);
            EXPECT_GT(CountColour(dlg, RECT{15, 8, 39, 20}, kWhite), 10) << kind.pszName;
            int nSecondHalf = CountColour(dlg, RECT{45, 8, 63, 20}, kWhite);
            if (kind.bLongTitle)
                EXPECT_GT(nSecondHalf, 10) << kind.pszName;
            else
                EXPECT_EQ(0, nSecondHalf) << kind.pszName;
            EXPECT_EQ(0, TitleDifferences(dlg.Get(), kind.nIDTitle)) << kind.pszName << ": the title is not whole";

            CAppDriver::Screenshot(dlg.Get(), WinePath(VELORA_SCREENSHOTS) + "\\dialog-" + kind.pszName + ".png");
            RECT rcLabel;
            HWND hLabel = dlg.Item(kind.nControl == IDC_BTN_LOGIN ? IDC_LOGIN_STATIC_ACCOUNT : IDC_REG_STATIC_ACCOUNT);
            GetWindowRect(hLabel, &rcLabel);
            MapWindowPoints(NULL, dlg.Get(), reinterpret_cast<POINT*>(&rcLabel), 2);
            rcLabel.right = rcLabel.left + 30; // the edits reach into some labels
            int nDarkest = DarkestGrey(dlg, rcLabel);
            EXPECT_GE(nDarkest, 85) << kind.pszName;
            EXPECT_GT(nDarkest, DarkestInBlack(dlg.Get(), hLabel) + 20) << kind.pszName << ": not lighter than black";
            EXPECT_EQ(kWhite, dlg.Pixel(rcLabel.left, rcLabel.bottom - 1, true)) << kind.pszName;
        });
    }
}

TEST_F(SkinnedFrame, CloseButtonLightsUnderTheMouseAndCloses)
{
    bool bClosed = false;
    INT_PTR nResult = DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, [&](CDialogDriver& dlg) {
        int w = WindowSize(dlg.Get()).cx;
        RECT rcClose = {w - kSkinWidth_icon_dlg_close_nomal - 5, 3, w - 5, kSkinHeight_icon_dlg_close_nomal + 3};
        POINT ptMiddle = {(rcClose.left + rcClose.right) / 2, (rcClose.top + rcClose.bottom) / 2};
        const COLORREF crNormal = kSkinFlat_icon_dlg_close_nomal, crFocus = kSkinFlat_icon_dlg_close_focus;
        EXPECT_EQ(crNormal, dlg.PixelWhenPainted(rcClose.left + 1, rcClose.top + 1, crNormal));
        EXPECT_EQ(kSkinFlat_icon_dlg_close, dlg.PixelWhenPainted(ptMiddle.x, ptMiddle.y, kSkinFlat_icon_dlg_close));
        SendMessageA(dlg.Get(), WM_NCMOUSEMOVE, HTCLOSE, ScreenPoint(dlg.Get(), ptMiddle.x, ptMiddle.y));
        EXPECT_EQ(crFocus, dlg.PixelWhenPainted(rcClose.left + 1, rcClose.top + 1, crFocus));
        SendMessageA(dlg.Get(), WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(dlg.Get(), 100, 10));
        EXPECT_EQ(crNormal, dlg.PixelWhenPainted(rcClose.left + 1, rcClose.top + 1, crNormal));

        // Over the whole caption band: the close button only inside its rectangle, and
        // none of the system's caption buttons anywhere.
        for (int y = 0; y < kSkinHeight_dlg_login_top_banner; y += 2) {
            for (int x = 0; x < w; x += 2) {
                LRESULT nHit = SendMessageA(dlg.Get(), WM_NCHITTEST, 0, ScreenPoint(dlg.Get(), x, y));
                POINT pt = {x, y};
                EXPECT_EQ(PtInRect(&rcClose, pt) != FALSE, nHit == HTCLOSE) << x << "," << y;
                EXPECT_TRUE(nHit != HTMAXBUTTON && nHit != HTMINBUTTON && nHit != HTSYSMENU) << x << "," << y;
            }
        }
        PostMessageA(dlg.Get(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(dlg.Get(), ptMiddle.x, ptMiddle.y));
        bClosed = dlg.WaitClosed();
    });
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(IDCANCEL, nResult);
}

TEST_F(SkinnedFrame, CaptionDragsTheDialog)
{
    POINT ptMoved = {};
    RECT rcBefore = {}, rcAfter = {};
    DialogClient::Run<CDialogSet>(IDC_BTN_BIND, [&](CDialogDriver& dlg) {
        GetWindowRect(dlg.Get(), &rcBefore);
        POINT pt = {rcBefore.left + 120, rcBefore.top + 12};
        SetCursorPos(pt.x, pt.y);
        Sleep(100);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        Sleep(100);
        for (int i = 1; i <= 4; ++i) {
            SetCursorPos(pt.x + 10 * i, pt.y + 5 * i);
            mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, 0);
            Sleep(50);
        }
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        Sleep(300);
        GetWindowRect(dlg.Get(), &rcAfter);
        ptMoved = {rcAfter.left - rcBefore.left, rcAfter.top - rcBefore.top};
    });
    EXPECT_EQ(40, ptMoved.x);
    EXPECT_EQ(20, ptMoved.y);
}

// One normal-weight font per dialog (the settings dialog's edits one more, 13 high),
// made on the first request, set on the dialog without a repaint and deleted with it.
TEST_F(SkinnedFrame, ControlFontsAreMadeOnceAndDeletedWithTheDialog)
{
    for (const CDialogKind& kind : kDialogs) {
        HFONT hStatic = NULL, hEdit = NULL;
        kind.run([&](CDialogDriver& dlg) {
            Sleep(300);
            HDC hDC = CreateCompatibleDC(NULL);
            HWND hLabel = dlg.Item(kind.nControl == IDC_BTN_LOGIN ? IDC_LOGIN_STATIC_ACCOUNT : IDC_REG_STATIC_ACCOUNT);
            HWND hEditWnd = dlg.Item(kind.nControl == IDC_BTN_LOGIN ? IDC_LOGIN_EDIT_ACCOUNT : IDC_REG_EDIT_ACCOUNT);
            ValidateRect(dlg.Get(), NULL);
            for (int i = 0; i < 3; ++i) {
                LRESULT hBrush = SendMessageA(dlg.Get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                              reinterpret_cast<LPARAM>(hLabel));
                EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)), hBrush);
                HFONT hFont = static_cast<HFONT>(GetCurrentObject(hDC, OBJ_FONT));
                EXPECT_TRUE(i == 0 || hFont == hStatic) << kind.pszName;
                hStatic = hFont;
            }
            EXPECT_EQ(RGB(85, 85, 85), GetTextColor(hDC));
            EXPECT_EQ(TRANSPARENT, GetBkMode(hDC));
            SetBkMode(hDC, OPAQUE);
            SendMessageA(dlg.Get(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hEditWnd));
            hEdit = static_cast<HFONT>(GetCurrentObject(hDC, OBJ_FONT));
            EXPECT_EQ(OPAQUE, GetBkMode(hDC));
            EXPECT_FALSE(GetUpdateRect(dlg.Get(), NULL, FALSE)) << kind.pszName;
            DeleteDC(hDC);
        });
        LOGFONTA lfStatic = {}, lfEdit = {};
        EXPECT_EQ(0, GetObjectA(hStatic, sizeof(lfStatic), &lfStatic)) << kind.pszName << ": font not deleted";
        EXPECT_EQ(0, GetObjectA(hEdit, sizeof(lfEdit), &lfEdit)) << kind.pszName << ": font not deleted";
        EXPECT_EQ(kind.nControl == IDC_BTN_BIND, hEdit != hStatic) << kind.pszName;
    }
    std::vector<LPARAM> redraws = DialogClient::DialogSetFontRedraws();
    EXPECT_FALSE(redraws.empty());
    for (LPARAM bRedraw : redraws)
        EXPECT_EQ(FALSE, bRedraw);
}

TEST_F(SkinnedFrame, ControlFontsHaveNormalWeightAndTheEditHeight)
{
    DialogClient::Run<CDialogSet>(IDC_BTN_BIND, [&](CDialogDriver& dlg) {
        HDC hDC = CreateCompatibleDC(NULL);
        LOGFONTA lfDialog = {}, lfStatic = {}, lfEdit = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dlg.Get(), WM_GETFONT, 0, 0)), sizeof(lfDialog), &lfDialog);
        SendMessageA(dlg.Get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                     reinterpret_cast<LPARAM>(dlg.Item(IDC_REG_STATIC_ACCOUNT)));
        GetObjectA(GetCurrentObject(hDC, OBJ_FONT), sizeof(lfStatic), &lfStatic);
        SendMessageA(dlg.Get(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                     reinterpret_cast<LPARAM>(dlg.Item(IDC_REG_EDIT_ACCOUNT)));
        GetObjectA(GetCurrentObject(hDC, OBJ_FONT), sizeof(lfEdit), &lfEdit);
        DeleteDC(hDC);
        EXPECT_EQ(FW_NORMAL, lfStatic.lfWeight);
        EXPECT_EQ(lfDialog.lfHeight, lfStatic.lfHeight);
        EXPECT_STREQ(lfDialog.lfFaceName, lfStatic.lfFaceName);
        EXPECT_EQ(FW_NORMAL, lfEdit.lfWeight);
        EXPECT_EQ(13, lfEdit.lfHeight);
    });
}

// Without its images the frame paints nothing and goes on: no tile count divides by
// a width of 0, and there is no close button to hit.
TEST_F(SkinnedFrame, MissingImagesPaintNothing)
{
    CString strSkins = GetFullPath("Skins"), strAway = GetFullPath("Skins.away");
    ASSERT_TRUE(MoveFileA(strSkins, strAway));
    bool bAlive = false;
    DialogClient::Run<CDialogRegister>(IDC_BTN_REGISTER, [&](CDialogDriver& dlg) {
        Sleep(300);
        SendMessageA(dlg.Get(), WM_NCPAINT, 1, 0);
        SendMessageA(dlg.Get(), WM_NCACTIVATE, TRUE, 0);
        int w = WindowSize(dlg.Get()).cx;
        EXPECT_NE(HTCLOSE, SendMessageA(dlg.Get(), WM_NCHITTEST, 0, ScreenPoint(dlg.Get(), w - 10, 10)));
        bAlive = IsWindowVisible(dlg.Get()) != FALSE;
    });
    MoveFileA(strAway, strSkins);
    EXPECT_TRUE(bAlive);
}

namespace {

// How many pixels of the edit's text area differ, ink or not, on the screen from
// strShown drawn in the edit's font with its end at the caret (nCaret, client x). The
// caret's own columns are left out.
int DifferencesFromTextAtCaret(HWND hEdit, const std::string& strShown, int nFontHeight, int nCaret)
{
    RECT rc;
    GetClientRect(hEdit, &rc);
    POINT pt = {0, 0};
    ClientToScreen(hEdit, &pt);
    CScreenArea screen(RECT{pt.x, pt.y, pt.x + rc.right, pt.y + rc.bottom});

    HDC hScreen = GetDC(NULL);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, rc.right, rc.bottom);
    ReleaseDC(NULL, hScreen);
    HGDIOBJ hOldBitmap = SelectObject(hDC, hBitmap);
    FillRect(hDC, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT hFont = CreateFontA(nFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, "Arial");
    HGDIOBJ hOldFont = SelectObject(hDC, hFont);
    SIZE size = {};
    GetTextExtentPoint32A(hDC, strShown.c_str(), static_cast<int>(strShown.size()), &size);
    EXPECT_GT(size.cx, rc.right) << "not longer than the field";
    TextOutA(hDC, nCaret - size.cx, 2, strShown.c_str(), static_cast<int>(strShown.size()));

    int nInset = GetSystemMetrics(SM_CXEDGE) + 1;
    int nDifferent = 0;
    for (int y = 2; y < rc.bottom - 2; ++y)
        for (int x = nInset + 1; x < rc.right - nInset; ++x)
            if (std::abs(x - nCaret) > 2)
                nDifferent += IsInk(screen.At(x, y)) != IsInk(GetPixel(hDC, x, y));
    SelectObject(hDC, hOldFont);
    DeleteObject(hFont);
    SelectObject(hDC, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    return nDifferent;
}

} // namespace

// Input longer than the field, typed on the keyboard: the screen shows the end of the
// text, masked or not, running up to the caret.
TEST_F(SkinnedFrame, LongInputShowsItsEndAtTheCaret)
{
    const struct {
        int nId;
        std::string strTyped;
        std::string strShown;
        int nFontHeight;
    } rows[] = {
        {IDC_LOGIN_EDIT_ACCOUNT, "traveller.of.the.long.road@example.com", "traveller.of.the.long.road@example.com",
         14},
        {IDC_LOGIN_EDIT_PASSWORD, "a-password-longer-than-its-field", std::string(32, '*'), 17},
    };
    DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, [&](CDialogDriver& dlg) {
        for (const auto& row : rows) {
            dlg.KeyIn(row.nId, row.strTyped);
            EXPECT_EQ(row.strTyped, dlg.Text(row.nId));
            Sleep(200);
            GUITHREADINFO gui = {};
            gui.cbSize = sizeof(gui);
            ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dlg.Get(), NULL), &gui));
            ASSERT_EQ(dlg.Item(row.nId), gui.hwndCaret);
            EXPECT_EQ(0, DifferencesFromTextAtCaret(gui.hwndCaret, row.strShown, row.nFontHeight, gui.rcCaret.left))
                << row.strTyped;
        }
    });
}

namespace {

// A plain window to hold one control at a time, on this thread.
class SkinnedControls : public ::testing::Test, public IClickListener {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(DialogClient::Start()); }
    void SetUp() override
    {
        SetCursorPos(5, 5); // away from the controls, wherever an earlier test left it
        m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 120, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, m_hParent);
        m_parent.Attach(m_hParent);
    }
    void TearDown() override { DestroyWindow(m_hParent); }

    void OnClick(int nId) override
    {
        m_clicks.push_back(nId);
        m_bPressedAtClick = GetCapture() != NULL;
    }

    static void Pump() { PumpFor(100); }

    // The screen's colour at (x, y) of hWnd's client area.
    static COLORREF Pixel(HWND hWnd, int x, int y)
    {
        POINT pt = {x, y};
        ClientToScreen(hWnd, &pt);
        return ScreenPixel(pt);
    }

    HWND m_hParent = NULL;
    CWnd m_parent;
    std::vector<int> m_clicks;
    bool m_bPressedAtClick = false;
};

std::string SkinPath(const char* pszName)
{
    return std::string(GetFullPath("Skins\\")) + pszName + ".png";
}

} // namespace

TEST_F(SkinnedControls, ButtonShowsItsStateAndReportsThePress)
{
    CCustomButton button;
    button.SetImage(SkinPath("btn_normal").c_str(), CCustomButton::kNormal);
    button.SetImage(SkinPath("btn_hover").c_str(), CCustomButton::kHover);
    button.SetImage(SkinPath("btn_hover").c_str(), 3);
    button.SetImage(SkinPath("btn_hover").c_str(), -1);
    button.SetListener(this);
    button.SetClickId(7);
    ASSERT_TRUE(button.Create("CUSTOM BTN", WS_CHILD | WS_VISIBLE, RECT{10, 10, 110, 32}, &m_parent, 1));
    EXPECT_TRUE(button.GetStyle() & BS_OWNERDRAW);
    Pump();
    EXPECT_EQ(kSkinFlat_btn_normal, Pixel(button.m_hWnd, 2, 2));
    POINT pt = {50, 10};
    ClientToScreen(button.m_hWnd, &pt);
    SetCursorPos(pt.x, pt.y);
    Pump();
    EXPECT_EQ(kSkinFlat_btn_hover, Pixel(button.m_hWnd, 2, 2));
    SetCursorPos(pt.x, pt.y + 200);
    Pump();
    EXPECT_EQ(kSkinFlat_btn_normal, Pixel(button.m_hWnd, 2, 2));

    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(std::vector<int>{7}, m_clicks);
    EXPECT_TRUE(m_bPressedAtClick) << "reported after the release";
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1u, m_clicks.size());
    button.SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<int>{7, 7}), m_clicks);
}

TEST_F(SkinnedControls, PasswordEditMasksEveryByte)
{
    const struct {
        const char* pszText;
        int nStars;
    } rows[] = {{"abc", 3}, {"中文", 4}, {"", 0}};
    for (const auto& row : rows) {
        CCustomEdit edit;
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, RECT{10, 10, 190, 30}, &m_parent, 2));
        edit.SetPasswordChar('*');
        edit.ModifyStyle(0, ES_PASSWORD);
        edit.SetWindowText(row.pszText);
        edit.Invalidate();
        Pump();
        // The rightmost black pixel inside the border ends the last asterisk.
        RECT rc;
        edit.GetClientRect(&rc);
        int nRight = -1;
        for (int y = 3; y < rc.bottom - 2; ++y)
            for (int x = 1; x < rc.right - 3; ++x)
                if (Pixel(edit.m_hWnd, x, y) == RGB(0, 0, 0))
                    nRight = std::max(nRight, x);
        HDC hDC = GetDC(NULL);
        HFONT hFont = CreateFontA(17, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "Arial");
        HGDIOBJ hOld = SelectObject(hDC, hFont);
        SIZE size = {};
        GetTextExtentPoint32A(hDC, std::string(row.nStars, '*').c_str(), row.nStars, &size);
        SelectObject(hDC, hOld);
        DeleteObject(hFont);
        ReleaseDC(NULL, hDC);
        if (row.nStars == 0)
            EXPECT_EQ(-1, nRight) << row.pszText;
        else
            EXPECT_NEAR(GetSystemMetrics(SM_CXEDGE) + size.cx, nRight, 3) << row.pszText;
        edit.DestroyWindow();
    }
}

// The link opens the service's FAQ page with the handler of the http scheme, here a
// program that writes down what it was given.
TEST_F(SkinnedControls, LinkShowsTheHandAndOpensTheFaqPage)
{
    HWND hStatic = CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, 80, 16, m_hParent, NULL,
                                   NULL, NULL);
    CHyperlinkStatic link(GetFaqPageUrl());
    ASSERT_TRUE(link.SubclassWindow(hStatic));
    EXPECT_EQ(CString(GetServiceRoot()) + "/faq/?cid=1", link.GetUrl());
    link.Invalidate();
    Pump();
    int nBlue = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 80; ++x)
            nBlue += Pixel(hStatic, x, y) == RGB(0, 0, 255);
    EXPECT_GT(nBlue, 40);
    EXPECT_EQ(RGB(0, 0, 255), Pixel(hStatic, 40, 15)) << "the line along the bottom";

    link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(hStatic), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursor(NULL, IDC_HAND), GetCursor());

    const char kHandler[] = "Software\\Classes\\http\\shell\\open\\command";
    CString strArgs = GetFullPath("args.txt");
    DeleteFileA(strArgs);
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHandler, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL));
    char szOld[1024] = "";
    DWORD dwOld = sizeof(szOld);
    bool bHadOld = RegQueryValueExA(hKey, NULL, NULL, NULL, reinterpret_cast<BYTE*>(szOld), &dwOld) == ERROR_SUCCESS;
    std::string strCommand = "\"" + std::string(GetFullPath("fixture_record_args.exe")) + "\" \"%1\"";
    RegSetValueExA(hKey, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(strCommand.c_str()),
                   static_cast<DWORD>(strCommand.size() + 1));

    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    std::string strReceived;
    WaitUntil(
        [&] {
            std::ifstream file(strArgs.GetString(), std::ios::binary);
            strReceived.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
            return !strReceived.empty();
        },
        10000, 100);
    if (bHadOld)
        RegSetValueExA(hKey, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(szOld), dwOld);
    RegCloseKey(hKey);
    DeleteFileA(strArgs);
    EXPECT_NE(std::string::npos, strReceived.find(std::string(GetServiceRoot()) + "/faq/?cid=1")) << strReceived;
}
