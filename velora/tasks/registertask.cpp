#include "velora/tasks/registertask.h"

#include "framework/messagebox.h"
#include "util/windowmessages.h"
#include "velora/tasks/servicetask.h"
#include "velora/tasks/taskid.h"

void CRegisterTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    m_pMessage->Decode(strReply);
    if (nId == taskRegister) {
        CMsgHead* pHead = m_pMessage->GetHead();
        HWND hNotifyWnd = m_hNotifyWnd;
        if (pHead->GetErrorCode() == 0)
            OnUiThread([&](CVeloraApp*, CMainFrame*) { ::SendMessage(hNotifyWnd, WM_REGISTER_OK, 0, 0); });
        else
            AfxMessageBox(CString("注册失败:") + pHead->GetError().c_str());
    }
    RemoveFinishedTask(GetKey());
}
