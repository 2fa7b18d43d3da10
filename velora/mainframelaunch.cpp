// The main frame's service requests and the handlers of their results.

#include "velora/mainframe.h"

#include "framework/trace.h"
#include "task/checkversiontask.h"
#include "task/getnodeinfowithallchildtask.h"
#include "task/getnodelisttask.h"
#include "task/logintask.h"
#include "util/codepage.h"
#include "util/fileversion.h"
#include "util/process.h"
#include "velora/caption.h"
#include "velora/leftcontainer.h"
#include "velora/veloraapp.h"

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
    AnsiToUtf8(strUserName);
    AnsiToUtf8(strPassword);
    CLoginTask* pTask = new CLoginTask("/client/login/", 0, m_hWnd);
    pTask->AddParam("user", strUserName.Trim());
    pTask->AddParam("pass", strPassword.Trim());
    GetVeloraApp()->ExecuteTask(pTask);
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
    CCheckVersionTask* pTask = new CCheckVersionTask("/client/update/", 5, m_hWnd);
    pTask->AddParam("mobmodel", "pc");
    pTask->AddParam("mobverno", "pc");
    pTask->AddParam("clienttype", "5");
    pTask->AddParam("clientverno", GetFileVersion(NULL));
    pTask->AddParam("info", "pc");
    GetVeloraApp()->ExecuteTask(pTask);
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
        RequestNodeInfoWithAllChild(4, children[0]->GetNodeId());
    return 0;
}

LRESULT CMainFrame::OnLoginStateChanged()
{
    RepaintCaption(hoverNothing);
    return 0;
}

LRESULT CMainFrame::OnCheckVersionResult()
{
    if (::MessageBoxA(m_hWnd, "检测到新的更新版本，现在需要更新吗？", "维罗路书", MB_OKCANCEL | MB_ICONINFORMATION) ==
        IDOK)
        LaunchUpdater();
    return 0;
}
