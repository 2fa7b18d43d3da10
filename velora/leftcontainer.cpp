#include "velora/leftcontainer.h"

#include "framework/splitterwnd.h"
#include "framework/trace.h"
#include "model/treenode.h"
#include "velora/velorabrowser.h"

IMPLEMENT_DYNCREATE(CLeftContainer, CView)

namespace {
const UINT kTreeId = 4641;
// The control keeps item heights even: rows are 30 pixels high, and the last line of each
// 31-pixel row image lies under the next row, which paints over it.
const SHORT kRowHeight = 31;
// Wider than the 170-pixel pane and starting above it: the tree's scroll bar lies
// outside the pane and the blank root row shows only its lower edge.
const RECT kTreeRect = {0, -21, 200, 1000};
const char kRootText[] = " ";
} // namespace

int CLeftContainer::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_tree.Create(WS_CHILD | WS_VISIBLE, kTreeRect, this, kTreeId);
    m_tree.ModifyStyle(0, TVS_LINESATROOT | TVS_NOHSCROLL);
    m_tree.SetItemData(ResetRows(), 0);
    return 0;
}

void CLeftContainer::OnDraw(HDC)
{
}

HTREEITEM CLeftContainer::ResetRows()
{
    m_tree.DeleteAllItems();
    HTREEITEM hRoot = m_tree.InsertItem(kRootText, TVI_ROOT, TVI_LAST);
    m_tree.SetItemHeight(kRowHeight);
    return hRoot;
}

void CLeftContainer::LoadTree(TreeNode* pRoot)
{
    m_strCurrentUrl.Empty();
    HTREEITEM hRoot = ResetRows();
    m_pRootNode = pRoot;
    m_tree.SetItemData(hRoot, reinterpret_cast<DWORD_PTR>(pRoot));
    if (pRoot)
        AddNodes(pRoot, hRoot);
    SwitchUrl(m_strCurrentUrl);
}

void CLeftContainer::ClearTree()
{
    m_strCurrentUrl.Empty();
    m_pRootNode = nullptr;
    m_tree.SetItemData(ResetRows(), 0);
}

// Children come before their parent is looked at as a leaf, so the page shown is the
// first leaf in depth-first order that has no leaf below it.
void CLeftContainer::AddNodes(TreeNode* pNode, HTREEITEM hParent)
{
    for (TreeNode* pChild : pNode->GetChildren()) {
        HTREEITEM hItem = m_tree.InsertItem(pChild->GetNodeName().c_str(), hParent, TVI_LAST);
        m_tree.SetItemData(hItem, reinterpret_cast<DWORD_PTR>(pChild));
        TRACE("CLeftContainer => %s : %s\n\n", pChild->GetNodeName().c_str(), pChild->GetNodeUrl().c_str());
        bool bLeaf = pChild->GetIsLeaf() != 0;
        if (!m_tree.GetSelectedItem() && bLeaf)
            m_tree.SetSelectedItem(hItem);
        if (!pChild->GetChildren().empty())
            AddNodes(pChild, hItem);
        if (bLeaf && m_strCurrentUrl.IsEmpty()) {
            m_strCurrentUrl = pChild->GetNodeUrl();
            m_tree.SetSelectedItem(hItem);
        }
    }
    m_tree.Expand(hParent, TVE_EXPAND);
}

void CLeftContainer::SwitchUrl(CString& strUrl)
{
    auto* pSplitter = dynamic_cast<CSplitterWnd*>(GetParent());
    auto* pBrowser = pSplitter ? dynamic_cast<CVeloraBrowser*>(pSplitter->GetPane(0, 1)) : nullptr;
    TRACE("CLeftContainer::SwitchUrl > %s", strUrl.GetString());
    if (pBrowser)
        pBrowser->Navigate2(strUrl, 0, NULL, NULL, NULL, 0);
}
