// The skinned caption of a real frame, read from the screen: hit tests at the window
// buttons' edges, hover marks under the real pointer and their removal when it leaves,
// the book menu's selection rules and requests, the window buttons, the user area.

#include "model/treeops.h"
#include "skin_colours.h"
#include "tests/support/dialogcloser.h"
#include "tests/support/framedesk.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/windowmessages.h"
#include "velora/caption.h"
#include "velora/leftcontainer.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using namespace FrameDesk;

namespace {

const char kTreePath[] = "/client/tree/getchildnoebyrootnode.aspx";

TreeNode* Category(int nNodeId)
{
    TreeNode* pNode = new TreeNode;
    pNode->SetNodeId(nNodeId);
    return pNode;
}

// Centre of a caption rectangle on the screen, at a height where the system's own
// caption (which would start moving the window on a press) is not.
POINT Centre(const RECT& rc)
{
    return FromWindow((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 > 30 ? 44 : (rc.top + rc.bottom) / 2);
}

// A part's rectangle, kept by the frame's caption as the window changes size.
const RECT& Part(ECaptionPart ePart, CMainFrame* pFrame = Frame())
{
    return pFrame->GetCaption().PartRect(ePart);
}

POINT InClientArea()
{
    return FromWindow(600, 400);
}

LRESULT HitTest(int x, int y)
{
    POINT pt = FromWindow(x, y);
    return Frame()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
}

// A 4 x 4 PNG of one colour.
const char kAvatar[] =
    "iVBORw0KGgoAAAANSUhEUgAAAAQAAAAECAIAAAAmkwkpAAAAFElEQVR42mM8IVfBAANMDEgANwcARbABZmrmatkAAAAASUVORK5CYII=";
const COLORREF kAvatarColour = RGB(200, 30, 120);

// Pixels of the band's strip where the prompt is written that are black, as the
// text's fill is (the flat skins hold no colour near black).
int DarkPixelsUnderTheUserArea()
{
    int nDark = 0;
    for (int y = 60; y < 78; ++y) {
        for (int x = 15; x < 95; ++x)
            nDark += Near(WindowPixel(x, y), RGB(0, 0, 0), 40);
    }
    return nDark;
}

class Caption : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, Frame());
        ASSERT_TRUE(StandIn::Reset());
        App().m_strSessionCode.Empty();
        Frame()->m_strHeadImage.clear();
        MoveMouse(InClientArea());
    }
};

} // namespace

TEST_F(Caption, HitTestsTheWindowButtonsByTheirLeftAndTopEdges)
{
    RECT rc;
    GetWindowRect(Frame()->m_hWnd, &rc);
    ASSERT_EQ(920, rc.right - rc.left);
    const struct {
        int x, y;
        LRESULT nCode; // -1: none of the window buttons
    } cases[] = {
        {880, 4, HTCLOSE},     {915, 23, HTCLOSE},     {916, 10, -1},          {880, 24, -1},
        {880, 3, -1},          {879, 10, HTMAXBUTTON}, {844, 10, HTMAXBUTTON}, {843, 23, HTMINBUTTON},
        {808, 4, HTMINBUTTON}, {807, 10, -1},          {150, 10, -1},          {150, 44, -1},
    };
    for (const auto& c : cases) {
        LRESULT nCode = HitTest(c.x, c.y);
        if (c.nCode == -1) {
            EXPECT_TRUE(nCode != HTCLOSE && nCode != HTMAXBUTTON && nCode != HTMINBUTTON) << c.x << "," << c.y;
        } else {
            EXPECT_EQ(c.nCode, nCode) << c.x << "," << c.y;
        }
    }
}

// Each mark is timed from one motion of the pointer until the screen shows it, with the
// system's hover time long: a user's setting that the marks must not wait for.
TEST_F(Caption, HoverMarksWhatIsUnderThePointerUntilItLeaves)
{
    CHoverTimeSetting hoverTime(kLongHoverMs);
    CMainFrame* pFrame = Frame();
    pFrame->GetCaption().SetSelection(selectBookPlaza);
    const struct {
        const RECT* pRect;
        COLORREF hovered, otherwise; // read just inside the top-left corner
    } elements[] = {
        {&Part(partBookPlaza), kSkinFlat_book_menu_focus, kSkinFlat_book_menu_focus}, // chosen: no hover mark
        {&Part(partJourneyCapture), kSkinFlat_book_menu_hover, kSkinFlat_bg_title_bar},
        {&Part(partMid), kSkinFlat_book_menu_hover, kSkinFlat_bg_title_bar},
        {&Part(partSetting), kSkinFlat_book_menu_hover, kSkinFlat_bg_title_bar},
        {&Part(partMinimize), kSkinFlat_bg_op_window, kSkinFlat_bg_title_bar},
        {&Part(partMaximize), kSkinFlat_bg_op_window, kSkinFlat_bg_title_bar},
        {&Part(partClose), kSkinFlat_bg_close, kSkinFlat_bg_title_bar},
    };
    const int nCount = static_cast<int>(std::size(elements));
    // What the screen shows at each element's corner with the pointer over element nOver
    // (-1: over none of them). The corners share one row of the window, read at once.
    auto expected = [&](int i, int nOver) { return i == nOver ? elements[i].hovered : elements[i].otherwise; };
    const int nRow = elements[0].pRect->top + 1;
    auto row = [&] {
        POINT pt = FromWindow(0, nRow);
        return CScreenArea(RECT{pt.x, pt.y, pt.x + 920, pt.y + 1});
    };
    auto shown = [&](const CScreenArea& screen, int i) { return screen.At(elements[i].pRect->left + 1, 0); };
    auto shows = [&](int nOver) {
        CScreenArea screen = row();
        for (int i = 0; i < nCount; ++i) {
            if (shown(screen, i) != expected(i, nOver))
                return false;
        }
        return true;
    };
    // From element nFrom (shown as hovered first) to ptTo, where element nOver is hovered.
    auto expectShownSoon = [&](int nFrom, POINT ptTo, int nOver, const std::string& strWhere) {
        DWORD dwMs = FastestOfFive("caption as it should be after the pointer's move to " + strWhere, [&]() -> DWORD {
            MoveMouse(Centre(*elements[nFrom].pRect));
            if (!PumpUntil([&] { return shows(nFrom); }, 2000))
                return INFINITE;
            return MoveMouseAndTime(ptTo, [&] { return shows(nOver); });
        });
        EXPECT_LT(dwMs, kNoHoverWaitMs) << strWhere;
        CScreenArea screen = row();
        for (int i = 0; i < nCount; ++i)
            EXPECT_EQ(expected(i, nOver), shown(screen, i))
                << "element at x " << elements[i].pRect->left << ", pointer at " << strWhere;
    };
    for (int i = 0; i < nCount; ++i)
        expectShownSoon((i + nCount - 1) % nCount, Centre(*elements[i].pRect), i,
                        "the part at x " + std::to_string(elements[i].pRect->left));
    const int nMaximize = 5;
    expectShownSoon(nMaximize, InClientArea(), -1, "the client area");
    expectShownSoon(nMaximize, FromWindow(-40, 14), -1, "off the frame");
}

TEST_F(Caption, BookMenuSelectsAndAsksForItsCategoryOnce)
{
    CMainFrame* pFrame = Frame();
    Left()->ClearTree();
    ReplaceChildren(&pFrame->m_rootNode, {Category(10), Category(20), Category(30)});
    pFrame->GetCaption().SetSelection(selectBookPlaza); // as after start
    const RECT* entries[] = {&Part(partBookPlaza), &Part(partJourneyCapture), &Part(partMid), &Part(partSetting)};
    const int selections[] = {selectBookPlaza, selectJourneyCapture, selectMid, selectSetting};
    const struct {
        const char* pszCase;
        const RECT* pTarget;
        bool bLoggedIn;
        int nSelected;
        int nRequested; // the category whose subtree is asked for, 0: none
        int nDialog;    // a control of the dialog the click opens, 0: none
    } steps[] = {
        {"first entry, chosen since start", &Part(partBookPlaza), false, selectBookPlaza, 0, 0},
        {"second entry", &Part(partJourneyCapture), false, selectJourneyCapture, 20, 0},
        {"second entry again", &Part(partJourneyCapture), false, selectJourneyCapture, 0, 0},
        {"user area, logged out", &Part(partUserHead), false, selectJourneyCapture, 0, IDC_BTN_LOGIN},
        {"user area, logged in, no fourth category", &Part(partUserHead), true, selectUser, 0, 0},
        {"third entry", &Part(partMid), true, selectMid, 30, 0},
        {"settings", &Part(partSetting), true, selectNone, 0, IDC_ABOUT_US},
        {"first entry after settings", &Part(partBookPlaza), true, selectBookPlaza, 10, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszCase);
        ASSERT_TRUE(StandIn::Reset());
        App().m_strSessionCode = step.bLoggedIn ? "S1" : "";
        std::string strId = std::to_string(step.nRequested);
        ASSERT_TRUE(StandIn::QueueReply(kTreePath, 200,
                                        "{\"errorcode\":0,\"data\":{\"table\":{\"nodeid\":\"" + strId +
                                            "\",\"children\":[{\"nodeid\":\"99\",\"isleaf\":\"1\"}]}}}"));
        std::unique_ptr<CDialogCloser> closer(step.nDialog ? new CDialogCloser(step.nDialog) : nullptr);
        Click(Centre(*step.pTarget));
        if (closer) {
            EXPECT_TRUE(closer->Closed());
        }
        ASSERT_TRUE(RunTasks());
        EXPECT_EQ(step.nSelected, pFrame->GetCaption().Selection());
        std::vector<CReceivedRequest> requests = StandIn::Requests(kTreePath);
        ASSERT_EQ(step.nRequested ? 1u : 0u, requests.size());
        if (step.nRequested) {
            EXPECT_EQ("nodeid=" + strId + "&", requests[0].body);
            // the reply rebuilt the tree from that category
            ASSERT_NE(nullptr, Left()->GetRootNode());
            EXPECT_EQ(step.nRequested, Left()->GetRootNode()->GetNodeId());
        }
        MoveMouse(InClientArea());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(selections[i] == step.nSelected,
                      WindowPixel(entries[i]->left + 1, entries[i]->top + 1) == kSkinFlat_book_menu_focus)
                << "entry " << i;
    }
    App().m_strSessionCode.Empty();
}

TEST_F(Caption, WindowButtonsMaximiseRestoreMinimiseAndClose)
{
    CMainFrame* pFrame = Frame();
    Click(Centre(Part(partMaximize)));
    EXPECT_TRUE(IsZoomed(pFrame->m_hWnd));
    RECT rc;
    GetWindowRect(pFrame->m_hWnd, &rc);
    EXPECT_EQ(rc.right - rc.left - 40, Part(partClose).left);
    Click(Centre(Part(partMaximize)));
    EXPECT_FALSE(IsZoomed(pFrame->m_hWnd));
    GetWindowRect(pFrame->m_hWnd, &rc);
    EXPECT_EQ(920, rc.right - rc.left);
    EXPECT_EQ(880, Part(partClose).left);
    Click(Centre(Part(partMinimize)));
    EXPECT_TRUE(IsIconic(pFrame->m_hWnd));
    pFrame->ShowWindow(SW_RESTORE);
    Pump(300);
    EXPECT_FALSE(IsIconic(pFrame->m_hWnd));

    // A second frame over the first one, closed by its close button.
    CMainFrame* pSecond = new CMainFrame;
    pSecond->m_bStarted = TRUE;
    ASSERT_TRUE(pSecond->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
    HWND hSecond = pSecond->m_hWnd;
    pSecond->ShowWindow(SW_SHOWNORMAL);
    Pump(300);
    Click(Centre(Part(partClose, pSecond)));
    EXPECT_FALSE(IsWindow(hSecond));
    EXPECT_TRUE(IsWindow(pFrame->m_hWnd));
}

TEST_F(Caption, UserAreaShowsThePromptTheAvatarOrItsFallback)
{
    CMainFrame* pFrame = Frame();
    const RECT& rc = Part(partUserHead);
    const struct {
        const char* pszCase;
        const char* pszSession;
        std::string strHead;
        int nPrompt; // 1 shown, 0 not, -1 not looked at
        POINT ptSample;
        COLORREF colour;
        int nTolerance;
    } cases[] = {
        {"logged out", "", "", 1, {rc.left + 4, rc.top + 4}, kSkinFlat_user_header, 0},
        {"logged in, no avatar", "S1", "", 0, {rc.left + 4, rc.top + 4}, kSkinFlat_user_header, 0},
        {"avatar", "S1", kAvatar, -1, {rc.left + 35, rc.top + 30}, kAvatarColour, 8},
        {"avatar's frame", "S1", kAvatar, -1, {rc.left, rc.top + 30}, RGB(123, 209, 239), 24},
        {"avatar that does not decode",
         "S1",
         std::string(60, 'A'),
         -1,
         {rc.left + 4, rc.top + 4},
         kSkinFlat_icons_jiong,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        App().m_strSessionCode = c.pszSession;
        pFrame->m_strHeadImage = c.strHead;
        pFrame->SendMessage(WM_LOGIN_OK);
        Pump(100); // the window's surface reaches the screen
        if (c.nPrompt != -1) {
            EXPECT_EQ(c.nPrompt == 1, DarkPixelsUnderTheUserArea() > 20) << DarkPixelsUnderTheUserArea();
        }
        COLORREF colour = WindowPixel(c.ptSample.x, c.ptSample.y);
        EXPECT_TRUE(Near(c.colour, colour, c.nTolerance)) << std::hex << colour;
    }
    App().m_strSessionCode.Empty();
    pFrame->m_strHeadImage.clear();
}
