// Controls and dialogs on the framework: notifications reach the control's own object,
// the dialog's keyboard handling is the dialog's to decide, ended dialogs let go of
// their owner at once, and template controls can be taken over by objects.
#include "framework/dialog.h"
#include "framework/gdiobj.h"
#include "framework/messagebox.h"
#include "framework/stdctrls.h"
#include "support/boxanswerer.h"
#include "tests/support/screenarea.h"

#include <gtest/gtest.h>

namespace {

const UINT WM_PROBE_STEP = WM_APP + 20;
const int kEditId = 1000;
const int kStaticId = 1002;
const COLORREF kStaticPaint = RGB(200, 30, 160);

class CParentWnd : public CWnd {
public:
    BOOL m_bHandleCtlColor = FALSE;
    CBrush m_parentBrush{RGB(1, 2, 3)};
    std::vector<UINT> m_commands; // ids that reached the command targets

    BOOL OnCmdMsg(UINT nID) override
    {
        m_commands.push_back(nID);
        return TRUE;
    }

protected:
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor) override
    {
        return m_bHandleCtlColor ? m_parentBrush.GetSafeHandle() : CWnd::OnCtlColor(hDC, pWnd, nCtlColor);
    }
};

class CDrawnButton : public CButton {
public:
    std::vector<HWND> m_drawn; // hwndItem of each DrawItem
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override { m_drawn.push_back(lpDrawItemStruct->hwndItem); }
};

class CColouredEdit : public CEdit {
public:
    CBrush m_brush{RGB(4, 5, 6)};
    int m_nAsked = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message != WM_CTLCOLOREDIT)
            return CEdit::OnChildNotify(message, wParam, lParam, pResult);
        ++m_nAsked;
        *pResult = reinterpret_cast<LRESULT>(m_brush.GetSafeHandle());
        return TRUE;
    }
};

BOOL CreateParent(CParentWnd& wnd)
{
    return wnd.CreateEx(0, NULL, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL);
}

} // namespace

TEST(ControlReflection, DrawItemAndColoursReachTheControlUnlessTheParentTakesThem)
{
    CParentWnd parent;
    ASSERT_TRUE(CreateParent(parent));
    CDrawnButton button;
    CColouredEdit edit;
    RECT rcButton = {10, 10, 90, 40}, rcEdit = {10, 50, 90, 70};
    ASSERT_TRUE(button.Create("x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rcButton, &parent, 11));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, rcEdit, &parent, 12));
    RedrawWindow(parent.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_FALSE(button.m_drawn.empty());
    EXPECT_EQ(button.m_hWnd, button.m_drawn.back());

    HDC hDC = GetDC(edit.m_hWnd);
    LRESULT lBrush =
        parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(edit.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(edit.m_brush.GetSafeHandle()), lBrush);
    parent.m_bHandleCtlColor = TRUE;
    int nAsked = edit.m_nAsked;
    lBrush = parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(edit.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(parent.m_parentBrush.GetSafeHandle()), lBrush);
    EXPECT_EQ(nAsked, edit.m_nAsked);
    ReleaseDC(edit.m_hWnd, hDC);
}

TEST(ControlReflection, OnlyClicksAndMenusAreCommands)
{
    CParentWnd parent;
    ASSERT_TRUE(CreateParent(parent));
    CButton button;
    RECT rc = {10, 10, 90, 40};
    ASSERT_TRUE(button.Create("x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rc, &parent, 21));
    struct {
        UINT nCode;
        HWND hWndCtl;
        bool bCommand;
    } cases[] = {
        {BN_CLICKED, button.m_hWnd, true},
        {BN_DOUBLECLICKED, button.m_hWnd, false},
        {BN_SETFOCUS, button.m_hWnd, false},
        {0, NULL, true},
        {1, NULL, true},
    };
    for (const auto& c : cases) {
        parent.m_commands.clear();
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(21, c.nCode), reinterpret_cast<LPARAM>(c.hWndCtl));
        EXPECT_EQ(c.bCommand ? 1u : 0u, parent.m_commands.size()) << "code " << c.nCode;
    }
}

namespace {

// Runs template 301; OnInitDialog queues the messages of one scenario.
class CScriptDialog : public CDialog {
public:
    explicit CScriptDialog(CWnd* pParent = NULL) : CDialog(301, pParent) {}
    BOOL m_bOwnEnter = FALSE; // PreTranslateMessage keeps Enter from the dialog manager
    int m_nEnterSeen = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
            ++m_nEnterSeen;
            if (m_bOwnEnter)
                return FALSE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::PostMessageA(::GetDlgItem(m_hWnd, kEditId), WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(WM_CLOSE);
        return TRUE;
    }
};

} // namespace

TEST(DialogKeyboard, EnterClosesOnlyADialogThatLeavesItToTheDialogManager)
{
    for (BOOL bOwnEnter : {FALSE, TRUE}) {
        CScriptDialog dlg;
        dlg.m_bOwnEnter = bOwnEnter;
        EXPECT_EQ(bOwnEnter ? IDCANCEL : IDOK, dlg.DoModal());
        EXPECT_EQ(1, dlg.m_nEnterSeen);
    }
}

namespace {

class CSecondDialog : public CDialog {
public:
    HWND m_hFirst = NULL, m_hOwner = NULL;
    BOOL m_bFirstVisible = TRUE, m_bOwnerEnabled = FALSE;
    CSecondDialog() : CDialog(300) {}

protected:
    BOOL OnInitDialog() override
    {
        m_bFirstVisible = ::IsWindowVisible(m_hFirst);
        m_bOwnerEnabled = ::IsWindowEnabled(m_hOwner);
        PostMessage(WM_CLOSE);
        return TRUE;
    }
};

// Ends itself, then runs another dialog before its own loop returns.
class CFirstDialog : public CDialog {
public:
    explicit CFirstDialog(CWnd* pOwner) : CDialog(301, pOwner), m_pOwner(pOwner) {}
    CSecondDialog m_second;
    INT_PTR m_nSecondResult = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PROBE_STEP)
            return CDialog::WindowProc(message, wParam, lParam);
        EndDialog(IDOK);
        m_second.m_hFirst = m_hWnd;
        m_second.m_hOwner = m_pOwner->m_hWnd;
        m_nSecondResult = m_second.DoModal();
        return 0;
    }

protected:
    BOOL OnInitDialog() override
    {
        PostMessage(WM_PROBE_STEP);
        return TRUE;
    }

private:
    CWnd* m_pOwner;
};

} // namespace

TEST(DialogEnd, EndedDialogIsHiddenAndItsOwnerEnabledWhileAnotherRuns)
{
    CParentWnd owner;
    ASSERT_TRUE(CreateParent(owner));
    CFirstDialog first(&owner);
    EXPECT_EQ(IDOK, first.DoModal());
    EXPECT_EQ(IDCANCEL, first.m_nSecondResult);
    EXPECT_FALSE(first.m_second.m_bFirstVisible);
    EXPECT_TRUE(first.m_second.m_bOwnerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(NULL, first.m_hWnd);
}

namespace {

class CPaintedStatic : public CStatic {
public:
    int m_nPaints = 0;

protected:
    void OnPaint() override
    {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(m_hWnd, &ps);
        RECT rc;
        GetClientRect(&rc);
        CBrush brush(kStaticPaint);
        FillRect(hDC, &rc, brush);
        EndPaint(m_hWnd, &ps);
        ++m_nPaints;
    }
};

class CBoundDialog : public CDialog {
public:
    CBoundDialog() : CDialog(301) {}
    CPaintedStatic m_label;
    HWND m_hLabel = NULL;
    COLORREF m_crSeen = CLR_INVALID;
    CWnd* m_pOk = NULL;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PROBE_STEP)
            return CDialog::WindowProc(message, wParam, lParam);
        RedrawWindow(m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rc;
        ::GetWindowRect(m_hLabel, &rc);
        m_crSeen = ScreenPixel((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        m_pOk = GetDlgItem(IDOK);
        EndDialog(IDOK);
        return 0;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kStaticId, m_label); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_hLabel = ::GetDlgItem(m_hWnd, kStaticId);
        PostMessage(WM_PROBE_STEP);
        return TRUE;
    }
};

} // namespace

TEST(DialogControls, BoundTemplateControlPaintsThroughItsObject)
{
    CBoundDialog dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_GT(dlg.m_label.m_nPaints, 0);
    EXPECT_EQ(kStaticPaint, dlg.m_crSeen);
    // A control without an object still has a window object to call.
    ASSERT_NE(nullptr, dlg.m_pOk);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(dlg.m_pOk->m_hWnd));
    EXPECT_EQ(NULL, dlg.m_label.m_hWnd); // went with the dialog
}

TEST(MessageBoxes, CaptionIsTheAppTitleOrTheExecutableName)
{
    CParentWnd owner;
    ASSERT_TRUE(CreateParent(owner));
    std::vector<std::string> boxes;
    {
        CBoxAnswerer answerer;
        AfxMessageBox("one");
        owner.MessageBox("two");
        AfxSetAppTitle("Titled");
        AfxMessageBox("three");
        AfxSetAppTitle(NULL);
        boxes = answerer.Boxes();
    }
    std::vector<std::string> expected = {"framework_window_test|one", "framework_window_test|two", "Titled|three"};
    EXPECT_EQ(expected, boxes);
}
