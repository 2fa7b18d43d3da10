#include "velora/veloraapp.h"

#include "framework/afxres.h"
#include "framework/commandlineinfo.h"
#include "framework/messagebox.h"
#include "framework/resources.h"
#include "framework/singledoctemplate.h"
#include "framework/uicall.h"
#include "framework/wnd.h"
#include "task/ihttptask.h"
#include "task/taskregistry.h"
#include "util/process.h"
#include "velora/aboutdlg.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/veloradoc.h"
#include "velora/veloraview.h"

#include <commctrl.h>

CVeloraApp* GetVeloraApp()
{
    return dynamic_cast<CVeloraApp*>(AfxGetApp());
}

// One client per desktop: the running one is found by its window title.
static void EndIfAlreadyRunning()
{
    if (!IsAppRunning())
        return;
    AfxMessageBox("维罗客户端已经在运行了", MB_OK);
    TerminateOwnProcess(0);
}

BOOL CVeloraApp::InitInstance()
{
    EndIfAlreadyRunning();

    INITCOMMONCONTROLSEX icc = {8, 0xFF};
    InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    if (!AfxOleInit()) {
        AfxMessageBox(AfxLoadString(IDP_OLE_INIT_FAILED));
        return FALSE;
    }
    AfxEnableControlContainer();
    if (!CUiCall::CreateWindowForThread())
        return FALSE;
    SetRegistryKey("应用程序向导生成的本地应用程序");
    LoadStdProfileSettings(4);

    CSingleDocTemplate* pTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVeloraDoc),
                                                           RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CVeloraView));
    AddDocTemplate(pTemplate);
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->DragAcceptFiles();
    return TRUE;
}

// No more hops to the UI thread (a waiting worker then frees what it would have handed
// over), and the registry closes; workers still running end with the process.
int CVeloraApp::ExitInstance()
{
    CUiCall::DestroyWindowForThread();
    GetTaskRegistry().Shutdown();
    return CWinApp::ExitInstance();
}

BOOL CVeloraApp::OnCmdMsg(UINT nID)
{
    switch (nID) {
    case ID_APP_ABOUT:
        OnAppAbout();
        return TRUE;
    case ID_FILE_NEW:
        OnFileNew();
        return TRUE;
    case ID_FILE_OPEN:
        OnFileOpen();
        return TRUE;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return TRUE;
    }
    return CWinApp::OnCmdMsg(nID);
}

void CVeloraApp::OpenConfigFile(CString strPath)
{
    OpenDocumentFile(strPath);
}

void CVeloraApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CVeloraApp::ExecuteTask(IHttpTask* pTask)
{
    GetTaskRegistry().ExecuteTask(pTask);
}

void CVeloraApp::RemoveTask(long nKey)
{
    GetTaskRegistry().RemoveTask(nKey);
}
