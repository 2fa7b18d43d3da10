// The main frame's tray icon: its menu and the commands chosen there.

#include "velora/mainframe.h"

#include "util/process.h"
#include "velora/caption.h"
#include "velora/dialoglogin.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <shellapi.h>

LRESULT CMainFrame::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (lParam != WM_RBUTTONDOWN)
        return 0;
    HMENU hMenu = LoadMenuA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    if (!hMenu)
        return 0;
    HMENU hPopup = GetSubMenu(hMenu, 0);
    if (IsIconic())
        EnableMenuItem(hPopup, ID_TRAY_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
    if (!IsWindowVisible())
        EnableMenuItem(hPopup, ID_TRAY_HIDE, MF_BYCOMMAND | MF_GRAYED);
    else if (!IsIconic())
        EnableMenuItem(hPopup, ID_TRAY_SHOW, MF_BYCOMMAND | MF_GRAYED);
    POINT point;
    GetCursorPos(&point);
    // The usual hand-over: a menu tracked for a window that is not in the foreground
    // would not close when the user clicks elsewhere, and the posted message lets the
    // system end the menu mode at once after a choice.
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(hPopup, TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, NULL);
    PostMessage(WM_NULL);
    DestroyMenu(hMenu);
    return 0;
}

BOOL CMainFrame::OnCmdMsg(UINT nID)
{
    switch (nID) {
    case ID_TRAY_SHOW:
        OnTrayShow();
        return TRUE;
    case ID_TRAY_HIDE:
        OnTrayHide();
        return TRUE;
    case ID_TRAY_MINIMIZE:
        OnTrayMinimize();
        return TRUE;
    case ID_TRAY_LOGIN:
        OnTrayLogin();
        return TRUE;
    case ID_TRAY_LOGOUT:
        OnTrayLogout();
        return TRUE;
    case ID_TRAY_EXIT:
        OnTrayExit();
        return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID);
}

void CMainFrame::OnTrayShow()
{
    ShowWindow(SW_SHOWNORMAL);
}

// The tray icon stays.
void CMainFrame::OnTrayHide()
{
    ShowWindow(SW_HIDE);
}

void CMainFrame::OnTrayMinimize()
{
    ShowWindow(SW_SHOWMINIMIZED);
}

// The login dialog, modal and without a parent, even while logged in; its result is
// the dialog's own business (a login by hand reports to the dialog).
void CMainFrame::OnTrayLogin()
{
    CDialogLogin dlg(NULL);
    dlg.DoModal();
}

// Log-out is local: nothing is sent and the stored account stays; the next page's
// cookie carries the empty session code.
void CMainFrame::OnTrayLogout()
{
    GetVeloraApp()->m_strSessionCode.Empty();
    m_strNickname.Empty();
    m_strHeadImage.clear();
    m_caption.Repaint();
}

// Ends the process at once: nothing is saved and no exit handling runs.
void CMainFrame::OnTrayExit()
{
    Shell_NotifyIconA(NIM_DELETE, &g_trayIconData);
    TerminateOwnProcess(0);
}
