// The main frame's service requests and the handlers of their results.

#include "velora/mainframe.h"

#include "framework/trace.h"
#include "model/treeops.h"
#include "util/codepage.h"
#include "util/fileversion.h"
#include "util/process.h"
#include "velora/caption.h"
#include "velora/leftcontainer.h"
#include "velora/loginrequest.h"
#include "velora/tasks/getnodeinfowithallchildtask.h"
#include "velora/tasks/getnodelisttask.h"
#include "velora/tasks/logintask.h"
#include "velora/tasks/taskid.h"
#include "velora/veloraapp.h"
#include "velora/versioncheck.h"

namespace {

CString Decimal(int nValue)
{
    CString strText;
    strText.Format("%d", nValue);
    return strText;
}

} // namespace

void CMainFrame::AutoLogin(CString strUserName, CString strPassword)
{
    StartLogin(strUserName, strPassword, taskLogin, m_hWnd);
}

void CMainFrame::RequestNodeInfoWithAllChild(int nTaskId, int nNodeId)
{
    CGetNodeInfoWithAllChildTask* pTask =
        new CGetNodeInfoWithAllChildTask("/client/tree/getchildnoebyrootnode.aspx", nTaskId, m_hWnd);
    pTask->AddParam("nodeid", Decimal(nNodeId));
    GetVeloraApp()->ExecuteTask(pTask);
}

void CMainFrame::RequestNodeList(int nTaskId, int nParentId)
{
    CGetNodeListTask* pTask = new CGetNodeListTask("/client/Tree/getchildnode.aspx", nTaskId, m_hWnd);
    pTask->AddParam("pid", Decimal(nParentId));
    GetVeloraApp()->ExecuteTask(pTask);
}

void CMainFrame::CheckVersion()
{
    StartVersionCheck(m_hWnd);
}

CLeftContainer* CMainFrame::GetLeftContainer() const
{
    return dynamic_cast<CLeftContainer*>(m_wndSplitter.GetPane(0, 0));
}

void CMainFrame::ShowNodeTree(TreeNode* pNode)
{
    TRACE("nevigate to %s : %s\n\n", pNode->GetNodeName().c_str(), pNode->GetNodeUrl().c_str());
    if (CLeftContainer* pLeft = GetLeftContainer())
        pLeft->LoadTree(pNode);
}

TreeNode* CMainFrame::AdoptNodes(int nParentId, const std::vector<TreeNode*>& nodes)
{
    TreeNode* pParent = FindNodeById(&m_rootNode, nParentId);
    if (pParent)
        ReplaceChildren(pParent, nodes);
    else
        for (TreeNode* pNode : nodes)
            delete pNode;
    m_rootNode.Dump();
    return pParent;
}

BOOL CMainFrame::GraftSubtree(TreeNode* pRoot)
{
    if (!MergeChildren(&m_rootNode, pRoot))
        return FALSE;
    m_rootNode.Dump();
    return TRUE;
}

LRESULT CMainFrame::OnNodeListLoaded(LPARAM lParam)
{
    TRACE("receive get node list message ...\n");
    ShowNodeTree(reinterpret_cast<TreeNode*>(lParam));
    return 0;
}

LRESULT CMainFrame::OnNodeInfoWithAllChildLoaded(LPARAM lParam)
{
    ShowNodeTree(reinterpret_cast<TreeNode*>(lParam));
    return 0;
}

// The list has just replaced the top-level categories with new nodes, freeing the old
// ones and everything below them: the rows that showed them go before anything can
// paint them. The tree stays empty until a category's subtree arrives.
LRESULT CMainFrame::OnRootNodesLoaded()
{
    if (CLeftContainer* pLeft = GetLeftContainer())
        pLeft->ClearTree();
    std::vector<TreeNode*>& children = m_rootNode.GetChildren();
    if (!children.empty() && children[0]->GetIsLeaf() == 0)
        RequestNodeInfoWithAllChild(taskNodeChildren, children[0]->GetNodeId());
    return 0;
}

LRESULT CMainFrame::OnLoginStateChanged()
{
    m_caption.Repaint();
    return 0;
}
