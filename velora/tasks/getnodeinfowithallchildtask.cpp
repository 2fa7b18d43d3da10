#include "velora/tasks/getnodeinfowithallchildtask.h"

#include "framework/trace.h"
#include "util/windowmessages.h"
#include "velora/mainframe.h"
#include "velora/tasks/servicetask.h"

// A root the frame's tree does not take is deleted here, with its subtree.
void CGetNodeInfoWithAllChildTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    CGetNodeInfoWithAllChildMessage* pMessage = Message();
    pMessage->Decode(strReply);
    TreeNode* pRoot = pMessage->GetRoot();
    if (pRoot && pMessage->GetHead()->GetErrorCode() == 0 && pRoot->GetChildren().empty()) {
        TRACE("get child list size 0 \n");
    } else if (pRoot && pMessage->GetHead()->GetErrorCode() == 0) {
        HWND hNotifyWnd = m_hNotifyWnd;
        OnUiThread([&](CVeloraApp*, CMainFrame* pFrame) {
            if (!pFrame || !pFrame->GraftSubtree(pRoot))
                return;
            TreeNode* pMerged = pRoot;
            pRoot = nullptr;
            ::SendMessage(hNotifyWnd, WM_NODE_TREE_READY, 0, reinterpret_cast<LPARAM>(pMerged));
        });
    }
    delete pRoot;
    RemoveFinishedTask(GetKey());
}
