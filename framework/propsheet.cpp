#include "framework/propsheet.h"

#include "framework/afxres.h"
#include "framework/creationhook.h"
#include "framework/winapp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate)
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = MAKEINTRESOURCEA(nIDTemplate);
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Everything but WM_INITDIALOG reaches an attached page through its window procedure.
    if (message != WM_INITDIALOG)
        return FALSE;
    const auto* pRecord = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CPropertyPage* pPage = pRecord ? reinterpret_cast<CPropertyPage*>(pRecord->lParam) : NULL;
    if (!pPage || !pPage->Attach(hWnd))
        return TRUE;
    try {
        pPage->PreInitDialog();
        return pPage->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

BOOL CPropertyPage::OnSetActive()
{
    return TRUE;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (!pHeader || pHeader->hwndFrom != ::GetParent(m_hWnd))
        return CDialog::OnNotify(wParam, lParam, pResult);
    switch (pHeader->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_WIZFINISH: {
        BOOL bFinish = OnWizardFinish();
        if (bFinish && m_pSheet)
            m_pSheet->m_bFinished = TRUE;
        *pResult = bFinish ? 0 : 1;
        break;
    }
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // Also where the dialog manager looks for a dialog's notification result.
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

CPropertySheet::CPropertySheet(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd)
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage)
        return;
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
}

void CPropertySheet::SetWizardMode()
{
    m_psh.dwFlags |= PSH_WIZARD;
}

void CPropertySheet::SetActivePage(int nPage)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
    else
        m_psh.nStartPage = static_cast<UINT>(nPage);
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd || m_pages.empty())
        return -1;
    // The system keeps its own copies of these records while the sheet runs.
    std::vector<PROPSHEETPAGEA> records;
    for (CPropertyPage* pPage : m_pages) {
        PROPSHEETPAGEA record = pPage->m_psp;
        record.dwSize = sizeof(record);
        record.hInstance = GetModuleHandleA(NULL);
        record.pfnDlgProc = CPropertyPage::PageDialogProc;
        record.lParam = reinterpret_cast<LPARAM>(pPage);
        // A wizard's title bar shows the current page's title, by default its template's
        // caption: the sheet's caption stands for every page that names no title itself.
        if ((m_psh.dwFlags & PSH_WIZARD) && !m_strCaption.IsEmpty() && !(record.dwFlags & PSP_USETITLE)) {
            record.dwFlags |= PSP_USETITLE;
            record.pszTitle = m_strCaption;
        }
        records.push_back(record);
    }
    CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    PROPSHEETHEADERA header = m_psh;
    header.dwSize = sizeof(header);
    header.dwFlags = (header.dwFlags | PSH_PROPSHEETPAGE) & ~PSH_MODELESS;
    header.hwndParent = pOwner ? pOwner->m_hWnd : NULL;
    header.hInstance = GetModuleHandleA(NULL);
    header.pszCaption = m_strCaption;
    header.nPages = static_cast<UINT>(records.size());
    header.ppsp = records.data();

    m_bFinished = FALSE;
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = this;
    INT_PTR nResult;
    {
        CCreationHook hook(this);
        nResult = PropertySheetA(&header);
    }
    LeaveMainWindow();
    if (nResult < 0)
        return -1;
    return m_bFinished ? ID_WIZFINISH : IDCANCEL;
}

// Centred once, after the system has sized the sheet to its pages in its own
// initialisation.
LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        AfxCentreModal(m_hWnd);
        return lResult;
    }
    case WM_NCDESTROY:
        LeaveMainWindow();
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CPropertySheet::LeaveMainWindow()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = NULL;
}
