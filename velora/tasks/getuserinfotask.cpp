#include "velora/tasks/getuserinfotask.h"

#include "model/userprofile.h"
#include "util/windowmessages.h"
#include "velora/tasks/servicetask.h"

// The receiver owns the profile; when its window is gone the profile is freed here.
void CGetUserInfoTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    CGetUserInfoMessage* pMessage = Message();
    pMessage->Decode(strReply);
    if (pMessage->GetHead()->GetErrorCode() == 0) {
        CUserProfile* pProfile = new CUserProfile(pMessage->GetProfile());
        HWND hNotifyWnd = m_hNotifyWnd;
        bool bDelivered = false;
        OnUiThread([&](CVeloraApp*, CMainFrame*) {
            if (!IsWindow(hNotifyWnd))
                return;
            bDelivered = true;
            ::SendMessage(hNotifyWnd, WM_USERINFO_READY, 0, reinterpret_cast<LPARAM>(pProfile));
        });
        if (!bDelivered)
            delete pProfile;
    }
    RemoveFinishedTask(GetKey());
}
