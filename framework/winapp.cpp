#include "framework/winapp.h"

#include "framework/commandlineinfo.h"
#include "framework/doctemplate.h"
#include "framework/messagebox.h"
#include "framework/resources.h"
#include "framework/uicall.h"
#include "framework/wnd.h"
#include "framework/afxres.h"

#include <ole2.h>
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* s_pApp = NULL;

} // namespace

CWinApp::CWinApp()
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    if (m_hDevMode)
        GlobalFree(m_hDevMode);
    if (m_hDevNames)
        GlobalFree(m_hDevNames);
    if (s_pApp == this)
        s_pApp = NULL;
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = s_pApp;
    if (!pApp)
        return NULL;
    // The UI thread writes m_pMainWnd: a worker reads it there. Without a UI thread to
    // ask (start-up, shut-down) the value is read where we are.
    CWnd* pMainWnd = NULL;
    if (CUiCall::Call([&] { pMainWnd = pApp->m_pMainWnd; }))
        return pMainWnd;
    return pApp->m_pMainWnd;
}

HWND AfxGetModalOwner()
{
    if (!CUiCall::IsUiThread())
        return NULL;
    CWnd* pMain = AfxGetMainWnd();
    HWND hMain = pMain ? pMain->GetSafeHwnd() : NULL;
    return hMain && IsWindow(hMain) ? GetLastActivePopup(hMain) : NULL;
}

BOOL AfxOleInit()
{
    return SUCCEEDED(OleInitialize(NULL));
}

void AfxEnableControlContainer()
{
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return m_nExitCode;
}

void CWinApp::ExitForSessionEnd()
{
    if (m_bExited)
        return;
    m_bExited = TRUE;
    CUiCall::DestroyWindowForThread();
    m_nExitCode = ExitInstance();
}

int CWinApp::Run()
{
    MSG msg;
    for (;;) {
        BOOL bResult = GetMessageA(&msg, NULL, 0, 0);
        if (bResult == 0 || bResult == -1)
            break;
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (m_bExited)
        return m_nExitCode;
    m_nExitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
    // Workers still handing results over must fail from now on, not wait for a loop
    // that no longer runs.
    CUiCall::DestroyWindowForThread();
    return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : NULL, pMsg);
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = nMaxMRU;
    m_pRecentFileList.reset();
    if (nMaxMRU == 0 || m_strRegistryKey.IsEmpty())
        return;
    CString strKey = "Software\\" + m_strRegistryKey + "\\" + AfxGetAppTitle() + "\\Recent File List";
    m_pRecentFileList.reset(new CRecentFileList(strKey, static_cast<int>(nMaxMRU)));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(const char* lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templates.push_back(pTemplate);
}

CDocTemplate* CWinApp::GetFirstDocTemplate() const
{
    return m_templates.empty() ? NULL : m_templates.front();
}

void CWinApp::EnableShellOpen()
{
    m_bShellOpen = TRUE;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i) {
        const char* pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '/' || pszParam[0] == '-';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return OpenDocumentFile(NULL) != NULL;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != NULL;
    case CCommandLineInfo::FilePrint:
        PrintShellFile(rCmdInfo.m_strFileName);
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        // Printing to a named printer and DDE are not offered.
        return FALSE;
    }
}

// The document opens in a frame that is never shown; its active view prints directly
// on the chosen or default printer.
void CWinApp::PrintShellFile(const char* lpszFileName)
{
    CDocTemplate* pTemplate = GetFirstDocTemplate();
    if (pTemplate && pTemplate->OpenDocumentFile(lpszFileName, FALSE) && m_pMainWnd)
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
}

CDocument* CWinApp::OpenDocumentFile(const char* lpszFileName)
{
    CDocTemplate* pTemplate = GetFirstDocTemplate();
    return pTemplate ? pTemplate->OpenDocumentFile(lpszFileName) : NULL;
}

namespace {

BOOL SetKeyValue(const CString& strKey, const char* pszName, const CString& strValue)
{
    HKEY hKey = NULL;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return FALSE;
    LONG lResult = RegSetValueExA(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                                  static_cast<DWORD>(strValue.GetLength() + 1));
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

} // namespace

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    for (CDocTemplate* pTemplate : m_templates)
        RegisterFileType(pTemplate, bCompat);
}

void CWinApp::RegisterFileType(CDocTemplate* pTemplate, BOOL bCompat)
{
    CString strExt = pTemplate->GetDocString(CDocTemplate::filterExt);
    CString strTypeId = pTemplate->GetDocString(CDocTemplate::regFileTypeId);
    if (strExt.IsEmpty() || strTypeId.IsEmpty())
        return;
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(NULL, szPath, MAX_PATH);
    CString strClasses("Software\\Classes\\");
    CString strCommand;
    strCommand.Format("\"%s\" \"%%1\"", szPath);
    SetKeyValue(strClasses + strExt, NULL, strTypeId);
    SetKeyValue(strClasses + strTypeId, NULL, pTemplate->GetDocString(CDocTemplate::regFileTypeName));
    SetKeyValue(strClasses + strTypeId + "\\shell\\open\\command", NULL, strCommand);
    if (bCompat) {
        strCommand.Format("\"%s\" /p \"%%1\"", szPath);
        SetKeyValue(strClasses + strTypeId + "\\shell\\print\\command", NULL, strCommand);
        strCommand.Format("\"%s\" /pt \"%%1\" \"%%2\" \"%%3\" \"%%4\"", szPath);
        SetKeyValue(strClasses + strTypeId + "\\shell\\printto\\command", NULL, strCommand);
    }
}

int AfxWinMain()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    CUiCall::CreateWindowForThread();
    int nResult;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        CUiCall::DestroyWindowForThread();
        nResult = pApp->ExitInstance();
    } else {
        nResult = pApp->Run();
    }
    return nResult;
}
