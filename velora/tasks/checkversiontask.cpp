#include "velora/tasks/checkversiontask.h"

#include "framework/messagebox.h"
#include "util/process.h"
#include "util/windowmessages.h"
#include "velora/tasks/servicetask.h"

// The automatic check at start reports to the main window and stays silent; a check
// asked for from elsewhere tells the user its outcome.
void CCheckVersionTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    CCheckVersionMessage* pMessage = Message();
    pMessage->Decode(strReply);
    bool bFromMainWindow = IsMainWindow(m_hNotifyWnd);
    if (pMessage->GetHead()->GetErrorCode() != 0) {
        if (!bFromMainWindow)
            AfxMessageBox("版本检测失败，请重试！");
    } else if (pMessage->GetUpdateType() == 1) {
        HWND hNotifyWnd = m_hNotifyWnd;
        OnUiThread([&](CVeloraApp*, CMainFrame*) { ::SendMessage(hNotifyWnd, WM_NEW_VERSION, 0, 0); });
    } else if (pMessage->GetUpdateType() == 2) {
        AfxMessageBox("囧...您的客户端太老，必须升级后才能使用");
        LaunchUpdater();
        TerminateOwnProcess(0);
    } else if (!bFromMainWindow) {
        AfxMessageBox("客户端当前版本已经是最新的！");
    }
    RemoveFinishedTask(GetKey());
}
