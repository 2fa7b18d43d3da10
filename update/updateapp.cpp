#include "update/updateapp.h"

#include "framework/afxres.h"
#include "framework/trace.h"
#include "net/serviceroot.h"
#include "update/clientprocess.h"
#include "update/upgradeflowdialog.h"
#include "util/codepage.h"
#include "util/fileversion.h"
#include "util/paths.h"
#include "util/process.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CUpdateApp, CWinApp)

CUpdateApp* GetUpdateApp()
{
    return dynamic_cast<CUpdateApp*>(AfxGetApp());
}

BOOL CUpdateApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {8, 0xFF};
    InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey("应用程序向导生成的本地应用程序");

    CheckVersion();
    if (m_reply.GetHead()->IsFailed())
        return FALSE;
    if (m_reply.GetUpdateType() <= 0) {
        TRACE("%s", "\n\nno new update\n\n");
        return FALSE;
    }
    CUpgradeFlowDialog dialog("维罗路书升级", NULL, 0);
    dialog.SetWizardMode();
    dialog.SetActivePage(0);
    if (dialog.DoModal() == ID_WIZFINISH &&
        ::MessageBoxA(NULL, "安装前先要卸载老版本，请您退出当前运行的维罗路书客户端，现在开始安装吗？", "安装提示：",
                      MB_OKCANCEL) == IDOK) {
        TerminateRunningClient();
        LaunchUninstaller();
    }
    return FALSE;
}

BOOL CUpdateApp::OnCmdMsg(UINT nID)
{
    if (nID == ID_HELP) {
        OnHelp();
        return TRUE;
    }
    return CWinApp::OnCmdMsg(nID);
}

// The body keeps this order, has no trailing "&", and carries the version exactly as the
// client's version block stores it ("1, 0, 0, 2" stays so).
void CUpdateApp::CheckVersion()
{
    CString strPath = GetExeDirectory() + "Velora.exe";
    if (!IsFileExist(strPath)) {
        TRACE("%s", "\n\ndid not detected the Velora.exe file ....\n\n");
        return;
    }
    TRACE("\n\nTarget file path:\n%s", strPath.GetString());
    CString strBody =
        CString("mobmodel=pc&mobverno=pc&clienttype=5&clientverno=") + GetFileVersion(strPath) + "&info=pc";
    m_pRequest = new CHttpPostEngine(CString(GetServiceRoot()) + "/client/update/", strBody);
    CString strReply = m_pRequest->Post();
    Utf8ToAnsi(strReply);
    m_reply.Decode(strReply.Str());
    delete m_pRequest;
    m_pRequest = NULL;
}

void CUpdateApp::LaunchUninstaller()
{
    LaunchProgram(GetUninstallerPath());
}
