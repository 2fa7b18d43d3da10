// The floating user-info box of a real frame, driven with the real pointer and read
// from the screen: where it shows and when it hides, the panel over it, the requests
// each showing sends and the labels the reply fills, the profile meant for a panel that
// is gone, and the box on a system without the layered-window functions.

#include "model/userprofile.h"
#include "skin_colours.h"
#include "tests/support/framedesk.h"
#include "tests/support/screenarea.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/windowmessages.h"
#include "velora/layeredapi.h"
#include "velora/resource.h"
#include "velora/uinfopaneldialog.h"
#include "velora/userinfodialog.h"
#include "velora/veloraapp.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

using namespace FrameDesk;

namespace {

const char kInfoPath[] = "/client/getuserinfo/getuserinfo.aspx";
const int kMemberId = 4711;
const char kReply[] = "{\"errorcode\":0,\"data\":{\"table\":{\"nickname\":\"traveller\",\"cityname\":\"x\","
                      "\"guanzhucount\":\"3\",\"fensicount\":\"12\",\"roadbookcount\":\"0\","
                      "\"microbookcount\":\"5\",\"youjicount\":\"7\"}}}";

POINT InUserArea()
{
    return FromWindow(55, 44);
}

POINT InBookPlaza()
{
    return FromWindow(155, 44);
}

POINT InClientArea()
{
    return FromWindow(600, 400);
}

RECT WindowRect(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

const struct {
    int nId;
    const char* pszText;
} kFilledLabels[] = {
    {IDC_UINFO_NICKNAME, "昵称：traveller"}, {IDC_UINFO_CITY, "所在地：x"},
    {IDC_UINFO_FOLLOWING, "关注：3"},        {IDC_UINFO_FANS, "粉丝：12"},
    {IDC_UINFO_ROAD_BOOKS, "路书：0"},       {IDC_UINFO_MICRO_BOOKS, "微路书：5"},
    {IDC_UINFO_TRAVEL_NOTES, "游记：7"},
};

// How wide the label's text is in the labels' font, 宋体 10 point.
int LabelTextWidth(const char* pszText)
{
    HDC hDC = GetDC(NULL);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(10, GetDeviceCaps(hDC, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    strcpy(lf.lfFaceName, "宋体");
    HFONT hFont = CreateFontIndirectA(&lf);
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SIZE size = {};
    GetTextExtentPoint32A(hDC, pszText, static_cast<int>(strlen(pszText)), &size);
    SelectObject(hDC, hOld);
    DeleteObject(hFont);
    ReleaseDC(NULL, hDC);
    return size.cx;
}

// Each label as the screen shows it inside rcArea: its text in black to the end of the
// reply's value, on the box's picture with nothing of the dialog face colour around it.
// The labels reach the screen some time after their paint on a loaded machine, so the
// screen is read again until it shows them (at most 5 s) and the last reading is judged.
void ExpectFilledLabelsOnScreen(HWND hPanel, const RECT& rcArea)
{
    RECT rcPanel = WindowRect(hPanel);
    OffsetRect(&rcPanel, -rcArea.left, -rcArea.top);
    COLORREF crFace = GetSysColor(COLOR_3DFACE);
    auto isFace = [crFace](COLORREF cr) { return cr == crFace; };
    auto isInk = [](COLORREF cr) { return IsInk(cr); };
    struct Expected {
        RECT rc;
        int nEnd;
    } expected[std::size(kFilledLabels)];
    for (size_t i = 0; i < std::size(kFilledLabels); ++i) {
        RECT rcLabel = WindowRect(GetDlgItem(hPanel, kFilledLabels[i].nId));
        OffsetRect(&rcLabel, -rcArea.left, -rcArea.top);
        // Text that runs past its label, or a label past the panel, is not shown.
        IntersectRect(&rcLabel, &rcLabel, &rcPanel);
        expected[i] = {rcLabel, std::min<int>(rcLabel.left + LabelTextWidth(kFilledLabels[i].pszText), rcLabel.right)};
    }
    auto shown = [&](const CScreenArea& screen) {
        return std::all_of(std::begin(expected), std::end(expected), [&](const Expected& e) {
            return std::abs(e.nEnd - 1 - screen.RightmostMatch(e.rc, isInk)) <= 3;
        });
    };
    DWORD dwStart = GetTickCount();
    CScreenArea screen(rcArea);
    while (!shown(screen) && GetTickCount() - dwStart < 5000) {
        Pump(50);
        screen = CScreenArea(rcArea);
    }
    EXPECT_EQ(0, screen.Count(rcPanel, isFace)) << "grey blocks";
    for (size_t i = 0; i < std::size(kFilledLabels); ++i)
        EXPECT_NEAR(expected[i].nEnd - 1, screen.RightmostMatch(expected[i].rc, isInk), 3) << kFilledLabels[i].pszText;
}

CUserInfoDialog* Box()
{
    return Frame()->m_pFloatBox;
}

bool BoxShown()
{
    return Box() && IsWindowVisible(Box()->m_hWnd) && Box()->GetPanel() && IsWindowVisible(Box()->GetPanel()->m_hWnd);
}

bool BoxHiddenNow()
{
    return !Box() || (!IsWindowVisible(Box()->m_hWnd) && !IsWindowVisible(Box()->GetPanel()->m_hWnd));
}

// Where nothing is timed, up to a second is allowed.
bool BoxHidden()
{
    DWORD dwStart = GetTickCount();
    while (!BoxHiddenNow() && GetTickCount() - dwStart < 1000)
        Pump(20);
    return BoxHiddenNow();
}

// Pumps until the stand-in has received nCount requests for the profile (at most 5 s),
// then until the tasks are done.
size_t WaitForRequests(size_t nCount)
{
    DWORD dwStart = GetTickCount();
    while (StandIn::Requests(kInfoPath).size() < nCount && GetTickCount() - dwStart < 5000)
        Pump(20);
    RunTasks();
    return StandIn::Requests(kInfoPath).size();
}

// Pumps until the stand-in has received nCount requests for the profile (at most 5 s),
// leaving the tasks running.
size_t WaitForReceived(size_t nCount)
{
    DWORD dwStart = GetTickCount();
    while (StandIn::Requests(kInfoPath).size() < nCount && GetTickCount() - dwStart < 5000)
        Pump(20);
    return StandIn::Requests(kInfoPath).size();
}

void LogIn()
{
    App().m_strSessionCode = "S1";
    App().m_nUserId = kMemberId;
}

FARPROC WINAPI NothingFound(HMODULE, LPCSTR)
{
    return NULL;
}

class FloatBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Frame());
        ASSERT_TRUE(StandIn::Reset());
        App().m_strSessionCode.Empty();
        App().m_nUserId = 0;
        MoveMouse(InClientArea());
        RunTasks();
    }
    void TearDown() override
    {
        MoveMouse(InClientArea());
        RunTasks();
    }
};

} // namespace

TEST_F(FloatBox, LoggedOutHoveringTheUserAreaShowsNoBox)
{
    MoveMouse(InUserArea());
    MoveMouse(FromWindow(60, 40));
    EXPECT_TRUE(BoxHidden());
    EXPECT_TRUE(WaitForRequests(0) == 0);
}

TEST_F(FloatBox, ShowsBelowTheUserAreaWithThePanelInsideAndFillsTheLabels)
{
    LogIn();
    // What the screen shows there before comes back once the pointer is in the client area.
    CScreenArea before(RECT{FromWindow(0, 90).x, FromWindow(0, 90).y, FromWindow(289, 250).x, FromWindow(289, 250).y});
    StandIn::QueueReply(kInfoPath, 200, kReply);
    MoveMouse(InUserArea());
    ASSERT_TRUE(BoxShown());
    HWND hBox = Box()->m_hWnd;
    HWND hPanel = Box()->GetPanel()->m_hWnd;
    EXPECT_TRUE(GetWindowLongA(hBox, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(Box()->IsAlphaComposed());
    EXPECT_TRUE(GetWindowLongA(hPanel, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(Box()->GetPanel()->IsColourKeyed());

    RECT rcFrame = WindowRect(Frame()->m_hWnd);
    RECT rcBox = WindowRect(hBox);
    EXPECT_EQ(rcFrame.left, rcBox.left);
    EXPECT_EQ(rcFrame.top + 90, rcBox.top);
    EXPECT_EQ(289, rcBox.right - rcBox.left);
    EXPECT_EQ(160, rcBox.bottom - rcBox.top);
    RECT rcPanel = WindowRect(hPanel);
    EXPECT_EQ(rcBox.left + 10, rcPanel.left);
    EXPECT_EQ(rcBox.top + 20, rcPanel.top);
    EXPECT_EQ(269, rcPanel.right - rcPanel.left);
    EXPECT_EQ(130, rcPanel.bottom - rcPanel.top);

    ASSERT_GE(WaitForRequests(1), 1u);
    Pump(200);
    ExpectFilledLabelsOnScreen(hPanel, rcBox);
    // The picture reaches the screen: the flat skin's colour beside the panel.
    EXPECT_TRUE(Near(ScreenPixel(POINT{rcBox.left + 282, rcBox.top + 100}), kSkinFlat_float_box, 8));

    MoveMouse(InClientArea());
    ASSERT_TRUE(BoxHidden());
    Pump(200);
    EXPECT_TRUE(CScreenArea(rcBox) == before) << "something of the box stayed on the screen";
}

TEST_F(FloatBox, EachShowingSendsOneRequestForTheLoggedInMember)
{
    LogIn();
    MoveMouse(InUserArea());
    ASSERT_TRUE(BoxShown());
    WaitForRequests(1);
    MoveMouse(InClientArea());
    ASSERT_TRUE(BoxHidden());
    ASSERT_TRUE(StandIn::Reset());
    for (size_t i = 1; i <= 2; ++i) {
        StandIn::QueueReply(kInfoPath, 200, kReply);
        MoveMouse(InUserArea());
        ASSERT_TRUE(BoxShown());
        // Further moves over the shown box's user area send nothing more.
        MoveMouse(FromWindow(60, 40));
        EXPECT_EQ(i, WaitForRequests(i));
        MoveMouse(InClientArea());
        ASSERT_TRUE(BoxHidden());
    }
    for (const CReceivedRequest& request : StandIn::Requests(kInfoPath))
        EXPECT_EQ("memberid=" + std::to_string(kMemberId) + "&", request.body);
}

// Timed from one motion of the pointer to the screen showing again what the box covered,
// with the system's hover time long: a user's setting that the box must not wait for.
TEST_F(FloatBox, HidesWhenThePointerLeavesTheUserAreaOrTheCaption)
{
    CHoverTimeSetting hoverTime(kLongHoverMs);
    LogIn();
    MoveMouse(InUserArea());
    ASSERT_TRUE(BoxShown());
    RECT rcBox = WindowRect(Box()->m_hWnd);
    MoveMouse(InClientArea());
    ASSERT_TRUE(BoxHidden());
    Pump(200);
    CScreenArea before(rcBox);
    const struct {
        const char* pszWhere;
        POINT (*pfnTo)();
    } cases[] = {
        {"book plaza, still in the caption", InBookPlaza},
        {"client area", InClientArea},
        {"off the frame", [] { return FromWindow(-40, 300); }},
    };
    auto gone = [&] { return CScreenArea(rcBox) == before; };
    for (const auto& c : cases) {
        DWORD dwMs = FastestOfFive(std::string("box off the screen after the pointer's move to the ") + c.pszWhere,
                                   [&]() -> DWORD {
                                       MoveMouse(InUserArea());
                                       if (!BoxShown() || !PumpUntil([&] { return !gone(); }, 2000))
                                           return INFINITE;
                                       DWORD dwTaken = MoveMouseAndTime(c.pfnTo(), gone);
                                       EXPECT_TRUE(BoxHiddenNow()) << c.pszWhere;
                                       return dwTaken;
                                   });
        EXPECT_LT(dwMs, kNoHoverWaitMs) << c.pszWhere;
    }
    // Logged out from the tray: the box that exists stays hidden.
    Frame()->SendMessage(WM_COMMAND, ID_TRAY_LOGOUT, 0);
    EXPECT_TRUE(App().m_strSessionCode.IsEmpty());
    MoveMouse(InUserArea());
    EXPECT_TRUE(BoxHidden());
}

TEST_F(FloatBox, FollowsTheFrameAndThePanelFollowsTheBox)
{
    LogIn();
    RECT rcFrame = WindowRect(Frame()->m_hWnd);
    Frame()->SetWindowPos(NULL, rcFrame.left - 30, rcFrame.top - 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump(100);
    MoveMouse(InUserArea());
    ASSERT_TRUE(BoxShown());
    RECT rcBox = WindowRect(Box()->m_hWnd);
    RECT rcPanel = WindowRect(Box()->GetPanel()->m_hWnd);
    EXPECT_EQ(rcFrame.left - 30, rcBox.left);
    EXPECT_EQ(rcFrame.top - 20 + 90, rcBox.top);
    EXPECT_EQ(rcBox.left + 10, rcPanel.left);
    EXPECT_EQ(rcBox.top + 20, rcPanel.top);
    MoveMouse(InClientArea());
    Frame()->SetWindowPos(NULL, rcFrame.left, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump(100);
}

TEST_F(FloatBox, TheFramesLastProfileIsOwnedAndAReplyForAGonePanelIsFreed)
{
    RunTasks();
    long nBefore = CUserProfile::LiveCount();
    // A reply that arrives after its panel is gone is never delivered, and freed.
    CScriptedReply late;
    late.body = kReply;
    late.delayMs = 600;
    StandIn::QueueReply(kInfoPath, late);
    CUInfoPanelDialog* pPanel = new CUInfoPanelDialog;
    ASSERT_TRUE(pPanel->Create(IDD_UINFO_PANEL, Frame()));
    pPanel->ShowWindow(SW_SHOWNOACTIVATE);
    pPanel->UpdateWindow();
    ASSERT_EQ(1u, WaitForReceived(1));
    delete pPanel;
    ASSERT_TRUE(RunTasks());
    EXPECT_EQ(nBefore, CUserProfile::LiveCount());

    // A panel that got a profile frees it when the next one comes and when it goes.
    ASSERT_TRUE(StandIn::Reset());
    StandIn::QueueReply(kInfoPath, 200, kReply);
    StandIn::QueueReply(kInfoPath, 200, kReply);
    pPanel = new CUInfoPanelDialog;
    ASSERT_TRUE(pPanel->Create(IDD_UINFO_PANEL, Frame()));
    pPanel->ShowWindow(SW_SHOWNOACTIVATE);
    pPanel->UpdateWindow();
    ASSERT_TRUE(RunTasks());
    ASSERT_NE(nullptr, pPanel->GetProfile());
    EXPECT_EQ(nBefore + 1, CUserProfile::LiveCount());
    pPanel->Invalidate();
    pPanel->UpdateWindow();
    ASSERT_TRUE(RunTasks());
    EXPECT_EQ(2u, StandIn::Requests(kInfoPath).size());
    EXPECT_EQ(nBefore + 1, CUserProfile::LiveCount());
    delete pPanel;
    EXPECT_EQ(nBefore, CUserProfile::LiveCount());
}

TEST_F(FloatBox, WithoutTheLayeredFunctionsTheBoxStillShowsItsPictureAndLabels)
{
    PFN_LAYEREDLOOKUP pfnBefore = SetLayeredLookup(NothingFound);
    StandIn::QueueReply(kInfoPath, 200, kReply);
    CUserInfoDialog* pBox = new CUserInfoDialog;
    ASSERT_TRUE(pBox->Create(IDD_USERINFO, Frame()));
    SetLayeredLookup(pfnBefore);
    RECT rcFrame = WindowRect(Frame()->m_hWnd);
    pBox->SetWindowPos(Frame()->m_hWnd, rcFrame.left + 300, rcFrame.top + 200, 289, 160,
                       SWP_NOACTIVATE | SWP_SHOWWINDOW);
    pBox->GetPanel()->ShowWindow(SW_SHOWNOACTIVATE);
    Pump(200);
    ASSERT_TRUE(RunTasks());
    Pump(200);
    HWND hPanel = pBox->GetPanel()->m_hWnd;
    EXPECT_FALSE(GetWindowLongA(pBox->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(GetWindowLongA(hPanel, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(pBox->IsAlphaComposed());
    EXPECT_FALSE(pBox->GetPanel()->IsColourKeyed());
    EXPECT_TRUE(IsWindowVisible(pBox->m_hWnd));
    EXPECT_TRUE(IsWindowVisible(hPanel));
    RECT rcBox = WindowRect(pBox->m_hWnd);
    ExpectFilledLabelsOnScreen(hPanel, rcBox);
    EXPECT_TRUE(Near(ScreenPixel(POINT{rcBox.left + 282, rcBox.top + 100}), kSkinFlat_float_box, 8));
    delete pBox;
    Pump(50);
}
