#include "velora/tasks/logintask.h"

#include "framework/messagebox.h"
#include "framework/trace.h"
#include "util/windowmessages.h"
#include "velora/mainframe.h"
#include "velora/tasks/servicetask.h"
#include "velora/tasks/taskid.h"
#include "velora/veloraapp.h"

namespace {
// Shorter avatar texts are placeholders, not images.
const size_t kMinHeadImageLength = 50;
} // namespace

// The session data and the frame's account texts change on the UI thread, in the same
// hop that notifies, so nothing on the UI thread sees them half-written.
void CLoginTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    CLoginMessage* pMessage = Message();
    pMessage->Decode(strReply);
    bool bSuccess = pMessage->GetHead()->GetErrorCode() == 0;
    bool bAccount = bSuccess && (nId == taskLogin || nId == taskBind);
    if (bAccount && nId == taskLogin)
        TRACE("LoginTask > login successfully ...\n");

    if (pMessage->HasSessionData() || bAccount) {
        HWND hNotifyWnd = m_hNotifyWnd;
        OnUiThread([&](CVeloraApp* pApp, CMainFrame* pFrame) {
            if (pApp && pMessage->HasSessionData()) {
                pApp->SetSessionCode(CString(pMessage->GetSessionCode()));
                pApp->SetUserId(pMessage->GetLoginType());
            }
            if (!bAccount)
                return;
            if (pFrame && pMessage->GetHeadImage().size() > kMinHeadImageLength)
                pFrame->SetHeadImage(pMessage->GetHeadImage());
            if (pApp)
                pApp->SetSessionCode(CString(pMessage->GetSessionCode()));
            if (pFrame)
                pFrame->SetNickname(CString(pMessage->GetNickname()));
            ::SendMessage(hNotifyWnd, nId == taskLogin ? WM_LOGIN_OK : WM_BIND_OK, 0, 0);
        });
    }
    if (nId == taskBind && !bSuccess)
        AfxMessageBox("绑定失败！");
    RemoveFinishedTask(GetKey());
}
