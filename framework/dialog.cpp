#include "framework/dialog.h"

#include "framework/creationhook.h"
#include "framework/modalloop.h"
#include "framework/winapp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd && pDX && pDX->m_pDlgWnd)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dialog manager's own procedure asks here only for WM_INITDIALOG; everything
    // else reaches the object through its window procedure.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (!pDlg)
        return TRUE;
    try {
        RECT rcTemplate;
        ::GetWindowRect(hWnd, &rcTemplate);
        pDlg->PreInitDialog();
        BOOL bDefaultFocus = pDlg->OnInitDialog();
        pDlg->PlaceModal(rcTemplate);
        return bDefaultFocus;
    } catch (...) {
        return TRUE;
    }
}

// A modal dialog that did not place itself in its initialisation opens centred. The
// template's own position is relative to the owner's client area, which would put it
// over the owner's top left corner.
void CDialog::PlaceModal(const RECT& rcTemplate)
{
    RECT rc;
    GetWindowRect(&rc);
    if (m_bModal && EqualRect(&rc, &rcTemplate))
        AfxCentreModal(m_hWnd);
}

void AfxCentreModal(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    bool bOwnerShown = hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(bOwnerShown ? hOwner : hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& rcArea = monitor.rcWork;
    RECT rcAround = rcArea;
    if (bOwnerShown)
        ::GetWindowRect(hOwner, &rcAround);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = rcAround.left + (rcAround.right - rcAround.left - cx) / 2;
    int y = rcAround.top + (rcAround.bottom - rcAround.top - cy) / 2;
    x = std::max<int>(rcArea.left, std::min<int>(x, rcArea.right - cx));
    y = std::max<int>(rcArea.top, std::min<int>(y, rcArea.bottom - cy));
    ::SetWindowPos(hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CDialog::OwnerWindow() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this ? pMain->m_hWnd : NULL;
}

BOOL CDialog::CreateFromTemplate(HWND hOwner)
{
    CCreationHook hook(this);
    CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate), hOwner, DialogProc, 0);
    return m_hWnd != NULL;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return CreateFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : NULL);
}

INT_PTR CDialog::DoModal()
{
    HWND hOwner = OwnerWindow();
    m_bEndModal = FALSE;
    m_nModalResult = -1;
    if (m_hWnd)
        return -1;
    m_bModal = TRUE;
    BOOL bCreated = CreateFromTemplate(hOwner);
    m_bModal = FALSE;
    if (!bCreated)
        return -1;
    if (!m_bEndModal) {
        if (hOwner && IsWindowEnabled(hOwner)) {
            EnableWindow(hOwner, FALSE);
            m_hDisabledOwner = hOwner;
        }
        ShowWindow(SW_SHOW);
        RunModalLoop();
    }
    ReleaseOwner();
    ShowWindow(SW_HIDE);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    AfxRunModalLoop(*this, m_bEndModal);
}

// The owner is enabled before the dialog is hidden, so activation goes back to it and
// not to some other window of the desktop.
void CDialog::ReleaseOwner()
{
    HWND hOwner = m_hDisabledOwner;
    m_hDisabledOwner = NULL;
    if (!hOwner)
        return;
    EnableWindow(hOwner, TRUE);
    if (m_hWnd && GetActiveWindow() == m_hWnd)
        SetActiveWindow(hOwner);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEndModal = TRUE;
    if (!m_hWnd)
        return;
    ReleaseOwner();
    ShowWindow(SW_HIDE);
    // Wake the modal loop if it is waiting.
    PostMessage(WM_NULL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hWnd)
        return FALSE;
    return IsDialogMessageA(m_hWnd, pMsg);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        OnCancel();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(UINT nID, UINT nCode, HWND hWndCtl)
{
    if (nCode == BN_CLICKED) {
        switch (nID) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        }
    }
    return CWnd::OnCommand(nID, nCode, hWndCtl);
}

void CDialog::PreInitDialog()
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange* pDX)
{
}
