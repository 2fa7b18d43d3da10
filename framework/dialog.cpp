#include "framework/dialog.h"

#include "framework/creationhook.h"
#include "framework/winapp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

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
        return pDlg->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

HWND CDialog::OwnerWindow() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this ? pMain->m_hWnd : NULL;
}

INT_PTR CDialog::DoModal()
{
    HWND hOwner = OwnerWindow();
    m_bEndModal = FALSE;
    m_nModalResult = -1;
    {
        CCreationHook hook(this);
        CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_nIDTemplate), hOwner, DialogProc, 0);
    }
    if (!m_hWnd)
        return -1;
    BOOL bOwnerWasEnabled = hOwner && IsWindowEnabled(hOwner);
    if (bOwnerWasEnabled)
        EnableWindow(hOwner, FALSE);
    ShowWindow(SW_SHOW);
    RunModalLoop();
    // Give activation back to the owner before the dialog goes, as the system's own
    // dialogs do, so the system need not look for another window to activate.
    if (bOwnerWasEnabled)
        EnableWindow(hOwner, TRUE);
    if (hOwner && GetActiveWindow() == m_hWnd)
        SetActiveWindow(hOwner);
    ShowWindow(SW_HIDE);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEndModal && m_hWnd) {
        BOOL bResult = GetMessageA(&msg, NULL, 0, 0);
        if (bResult == 0) {
            // The program is ending: leave the quit request for the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (bResult == -1)
            break;
        if (CWnd::WalkPreTranslateTree(m_hWnd, &msg) || IsDialogMessageA(m_hWnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEndModal = TRUE;
    // Wake the modal loop if it is waiting.
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
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

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
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
