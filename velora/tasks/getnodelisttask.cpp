#include "velora/tasks/getnodelisttask.h"

#include "framework/trace.h"
#include "util/windowmessages.h"
#include "velora/mainframe.h"
#include "velora/tasks/servicetask.h"
#include "velora/tasks/taskid.h"

namespace {

void DeleteNodes(const std::vector<TreeNode*>& nodes)
{
    for (TreeNode* pNode : nodes)
        delete pNode;
}

// Gives the nodes to the node that carries nParentId in the frame's tree and returns
// it; when there is no such node (or no frame) they are deleted and the result is null.
TreeNode* AdoptNodes(CMainFrame* pFrame, int nParentId, const std::vector<TreeNode*>& nodes)
{
    if (pFrame)
        return pFrame->AdoptNodes(nParentId, nodes);
    DeleteNodes(nodes);
    return nullptr;
}

} // namespace

void CGetNodeListTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    CGetNodeListMessage* pMessage = Message();
    pMessage->Decode(strReply);
    std::vector<TreeNode*> nodes = pMessage->GetNodeList();
    int nParentId = pMessage->GetParentId();
    bool bSuccess = pMessage->GetHead()->GetErrorCode() == 0;
    HWND hNotifyWnd = m_hNotifyWnd;

    if (bSuccess && nId == taskCategories) {
        if (!OnUiThread([&](CVeloraApp*, CMainFrame* pFrame) {
                AdoptNodes(pFrame, nParentId, nodes);
                ::SendMessage(hNotifyWnd, WM_NODE_LIST_READY, 0, 0);
            }))
            DeleteNodes(nodes);
    } else if (bSuccess && nId == taskNodeChildren && nodes.empty()) {
        TRACE("get child list size 0 \n");
    } else if (bSuccess && nId == taskNodeChildren) {
        if (!OnUiThread([&](CVeloraApp*, CMainFrame* pFrame) {
                if (TreeNode* pParent = AdoptNodes(pFrame, nParentId, nodes))
                    ::SendMessage(hNotifyWnd, WM_NODE_CHILDREN_READY, 0, reinterpret_cast<LPARAM>(pParent));
            }))
            DeleteNodes(nodes);
    } else {
        DeleteNodes(nodes);
    }
    RemoveFinishedTask(GetKey());
}
