// The main frame's side of its caption: what a chosen book-menu entry asks for and the
// floating user-info box beside the user area. The caption itself is velora/caption.

#include "velora/mainframe.h"

#include "framework/trace.h"
#include "velora/caption.h"
#include "velora/resource.h"
#include "velora/tasks/taskid.h"
#include "velora/uinfopaneldialog.h"
#include "velora/userinfodialog.h"

namespace {

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

} // namespace

void CMainFrame::SelectBookMenu(int nSelection)
{
    int nIndex = CategoryIndexOf(nSelection);
    std::vector<TreeNode*>& categories = m_rootNode.GetChildren();
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < categories.size())
        RequestNodeInfoWithAllChild(taskNodeChildren, categories[nIndex]->GetNodeId());
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

BOOL CMainFrame::HideFloatBox()
{
    if (!m_pFloatBox)
        return FALSE;
    BOOL bShown = m_pFloatBox->IsWindowVisible();
    if (CUInfoPanelDialog* pPanel = m_pFloatBox->GetPanel())
        pPanel->ShowWindow(SW_HIDE);
    m_pFloatBox->ShowWindow(SW_HIDE);
    return bShown;
}
