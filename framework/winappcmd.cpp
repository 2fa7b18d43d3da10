// The application's share of the framework's commands: new and open document, print
// set-up and help, and the printer choice that print set-up and the views' printing share.
#include "framework/winapp.h"

#include "framework/doctemplate.h"
#include "framework/filedialog.h"
#include "framework/messagebox.h"
#include "framework/wnd.h"

#include <shellapi.h>

void CWinApp::OnFileNew()
{
    OpenDocumentFile(NULL);
}

void CWinApp::OnFileOpen()
{
    CString strFilter;
    if (CDocTemplate* pTemplate = GetFirstDocTemplate()) {
        CString strName = pTemplate->GetDocString(CDocTemplate::filterName);
        CString strExt = pTemplate->GetDocString(CDocTemplate::filterExt);
        if (!strName.IsEmpty() && !strExt.IsEmpty())
            strFilter = strName + "|*" + strExt + "|";
    }
    strFilter += "所有文件 (*.*)|*.*||";
    CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, strFilter, m_pMainWnd);
    if (dlg.DoModal() == IDOK)
        OpenDocumentFile(dlg.GetPathName());
}

void CWinApp::OnFilePrintSetup()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_PRINTSETUP;
    DoPrintDialog(&pd);
}

BOOL CWinApp::DoPrintDialog(PRINTDLGA* pPD)
{
    if (!pPD->hwndOwner && m_pMainWnd)
        pPD->hwndOwner = m_pMainWnd->GetSafeHwnd();
    pPD->hDevMode = m_hDevMode;
    pPD->hDevNames = m_hDevNames;
    BOOL bChosen = PrintDlgA(pPD);
    // The dialog may have replaced the handles it was given, or made new ones.
    m_hDevMode = pPD->hDevMode;
    m_hDevNames = pPD->hDevNames;
    pPD->hDevMode = pPD->hDevNames = NULL;
    return bChosen;
}

HDC CWinApp::CreatePrinterDC()
{
    if (!m_hDevNames) {
        // The shell's print command has nobody to tell that no printer exists.
        PRINTDLGA pd = {};
        pd.lStructSize = sizeof(pd);
        pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
        if (!PrintDlgA(&pd))
            return NULL;
        m_hDevMode = pd.hDevMode;
        m_hDevNames = pd.hDevNames;
    }
    auto* pNames = static_cast<const DEVNAMES*>(GlobalLock(m_hDevNames));
    if (!pNames)
        return NULL;
    auto* pMode = m_hDevMode ? static_cast<const DEVMODEA*>(GlobalLock(m_hDevMode)) : NULL;
    const char* pszBase = reinterpret_cast<const char*>(pNames);
    HDC hDC = CreateDCA(pszBase + pNames->wDriverOffset, pszBase + pNames->wDeviceOffset, NULL, pMode);
    if (pMode)
        GlobalUnlock(m_hDevMode);
    GlobalUnlock(m_hDevNames);
    return hDC;
}

void CWinApp::OnHelp()
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(NULL, szPath, MAX_PATH);
    CString strPath(szPath);
    int nDot = strPath.ReverseFind('.');
    if (nDot > strPath.ReverseFind('\\'))
        strPath = strPath.Left(nDot);
    strPath += ".chm";
    HWND hOwner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : NULL;
    if (GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES &&
        reinterpret_cast<INT_PTR>(ShellExecuteA(hOwner, "open", strPath, NULL, NULL, SW_SHOWNORMAL)) > 32)
        return;
    CString strText;
    strText.Format("无法打开帮助文件 %s。", strPath.GetString());
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}
