// The main frame's non-client area: the skinned caption's geometry, hit tests, clicks
// and mouse tracking. The band itself is painted by the caption module.

#include "velora/mainframe.h"

#include "framework/dc.h"
#include "framework/trace.h"
#include "velora/caption.h"
#include "velora/dialoglogin.h"
#include "velora/dialogset.h"
#include "velora/resource.h"
#include "velora/tasks/taskid.h"
#include "velora/uinfopaneldialog.h"
#include "velora/userinfodialog.h"
#include "velora/veloraapp.h"

#include <commctrl.h>

namespace {

const int kCaptionHeight = 57;

// Runs an account dialog modally without a parent. The click that opened it is not
// passed on: the system would take it for the start of a drag once the dialog is gone.
template <class TDialog> void RunAccountDialog()
{
    TDialog dlg(NULL);
    dlg.DoModal();
}
// Client area edges reach this far past the frame's own border.
const int kEdgeWidth = 4;

// The top-level category (index in the root's children) a book-menu selection shows.
int CategoryIndexOf(int nSelection)
{
    switch (nSelection) {
    case selectBookPlaza:
        return 0;
    case selectJourneyCapture:
        return 1;
    case selectMid:
        return 2;
    case selectUser:
        return 3;
    }
    return -1;
}

bool IsLoggedIn()
{
    CVeloraApp* pApp = GetVeloraApp();
    return pApp && !pApp->m_strSessionCode.IsEmpty();
}

} // namespace

POINT CMainFrame::ToWindow(POINT ptScreen) const
{
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    POINT pt = {ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top};
    return pt;
}

void CMainFrame::RepaintCaption(int nHover)
{
    CWindowDC dc(m_hWnd);
    if (dc)
        DrawCaption(this, dc, nHover);
}

void CMainFrame::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    rc.top += kCaptionHeight;
    int nWidth = rc.right - rc.left;
    m_rcClose = {nWidth - 40, 4, nWidth - 4, 24};
    m_rcMax = {m_rcClose.left - 36, m_rcClose.top, m_rcClose.left, m_rcClose.bottom};
    m_rcMin = {m_rcMax.left - 36, m_rcMax.top, m_rcMax.left, m_rcMax.bottom};
    m_rcLogo = {m_rcClose.left - 36, m_rcClose.bottom + 10, m_rcClose.left + 39, m_rcClose.bottom + 58};
    rc.bottom += kEdgeWidth;
    rc.left -= kEdgeWidth;
    rc.right += kEdgeWidth;
    CFrameWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
}

// The window buttons are the caption's own; the system's idea of them counts as caption.
// Below the system's own caption strip the band is non-client area the system knows
// nothing of: it answers HTNOWHERE there, and the pointer's moves and presses at
// HTNOWHERE are dropped, so the book menu would never see them. The band is caption.
LRESULT CMainFrame::OnNcHitTest(POINT point)
{
    LRESULT nBase = CFrameWnd::OnNcHitTest(point);
    POINT pt = ToWindow(point);
    if (PtInRect(&m_rcClose, pt))
        return HTCLOSE;
    if (PtInRect(&m_rcMax, pt))
        return HTMAXBUTTON;
    if (PtInRect(&m_rcMin, pt))
        return HTMINBUTTON;
    if (nBase == HTCLOSE || nBase == HTMAXBUTTON || nBase == HTMINBUTTON || nBase == HTNOWHERE)
        return HTCAPTION;
    return nBase;
}

void CMainFrame::OnNcLButtonDown(UINT nHitTest, POINT point)
{
    LPARAM lPoint = MAKELPARAM(point.x, point.y);
    switch (nHitTest) {
    case HTCLOSE:
        SendMessage(WM_CLOSE);
        return;
    case HTMAXBUTTON:
        SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, lPoint);
        return;
    case HTMINBUTTON:
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, lPoint);
        return;
    }
    POINT pt = ToWindow(point);
    if (PtInRect(&m_rcUserHead, pt) && !IsLoggedIn()) {
        RunAccountDialog<CDialogLogin>();
        RepaintCaption(hoverNothing);
        return;
    }
    if (PtInRect(&m_rcSetting, pt) && m_nSelectedMenu != selectSetting) {
        // The settings entry is marked only while its dialog is open; afterwards no
        // entry is, so that any book-menu entry can be chosen again.
        m_nSelectedMenu = selectSetting;
        RepaintCaption(hoverNothing);
        RunAccountDialog<CDialogSet>();
        m_nSelectedMenu = selectNone;
        RepaintCaption(hoverNothing);
        return;
    }
    int nChosen = -1;
    if (PtInRect(&m_rcUserHead, pt))
        nChosen = selectUser;
    else if (PtInRect(&m_rcBookPlaza, pt))
        nChosen = selectBookPlaza;
    else if (PtInRect(&m_rcJourneyCapture, pt))
        nChosen = selectJourneyCapture;
    else if (PtInRect(&m_rcMid, pt))
        nChosen = selectMid;
    if (nChosen != -1 && m_nSelectedMenu != nChosen) {
        m_nSelectedMenu = nChosen;
        SelectBookMenu(nChosen);
    }
    RepaintCaption(hoverNothing);
    CFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMainFrame::SelectBookMenu(int nSelection)
{
    int nIndex = CategoryIndexOf(nSelection);
    std::vector<TreeNode*>& categories = m_rootNode.GetChildren();
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < categories.size())
        RequestNodeInfoWithAllChild(taskNodeChildren, categories[nIndex]->GetNodeId());
}

// Leave notices are asked for the non-client area: without that the system would send
// a client-area leave at once and never the non-client one, and the hover mark would stay.
void CMainFrame::OnNcMouseMove(UINT nHitTest, POINT point)
{
    POINT pt = ToWindow(point);
    if (PtInRect(&m_rcUserHead, pt)) {
        if (IsLoggedIn())
            ShowFloatBox();
    } else {
        HideFloatBox();
    }
    RepaintCaption(CaptionHoverAt(*this, nHitTest, ToWindow(point)));
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | TME_NONCLIENT, m_hWnd, HOVER_DEFAULT};
        m_bMouseTracking = _TrackMouseEvent(&tme);
    }
    CFrameWnd::OnNcMouseMove(nHitTest, point);
}

void CMainFrame::OnNcMouseLeave()
{
    m_bMouseTracking = FALSE;
    RepaintCaption(hoverNothing);
    HideFloatBox();
    CFrameWnd::OnNcMouseLeave();
}

// The box is made on first need and then only moved, shown and hidden. It sits at the
// frame's left edge, 90 pixels below its top, just below the user area.
void CMainFrame::ShowFloatBox()
{
    if (!m_pFloatBox) {
        m_pFloatBox = new CUserInfoDialog;
        if (!m_pFloatBox->Create(IDD_USERINFO, this)) {
            delete m_pFloatBox;
            m_pFloatBox = NULL;
            return;
        }
    }
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    TRACE("move float info dlg to=> left: %d top: %d\n", static_cast<int>(rcWindow.left),
          static_cast<int>(rcWindow.top));
    m_pFloatBox->SetWindowPos(m_hWnd, rcWindow.left, rcWindow.top + 90, CUserInfoDialog::kWidth,
                              CUserInfoDialog::kHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (CUInfoPanelDialog* pPanel = m_pFloatBox->GetPanel())
        pPanel->ShowWindow(SW_SHOWNOACTIVATE);
}

void CMainFrame::HideFloatBox()
{
    if (!m_pFloatBox)
        return;
    if (CUInfoPanelDialog* pPanel = m_pFloatBox->GetPanel())
        pPanel->ShowWindow(SW_HIDE);
    m_pFloatBox->ShowWindow(SW_HIDE);
}
