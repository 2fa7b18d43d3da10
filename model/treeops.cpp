#include "model/treeops.h"

TreeNode* FindNodeById(TreeNode* pNode, int nNodeId)
{
    if (!pNode)
        return nullptr;
    if (pNode->GetNodeId() == nNodeId)
        return pNode;
    for (TreeNode* pChild : pNode->GetChildren()) {
        TreeNode* pFound = FindNodeById(pChild, nNodeId);
        if (pFound)
            return pFound;
    }
    return nullptr;
}

void ReplaceChildren(TreeNode* pNode, const std::vector<TreeNode*>& children)
{
    std::vector<TreeNode*>& list = pNode->GetChildren();
    for (TreeNode* pChild : list)
        delete pChild;
    list.clear();
    for (TreeNode* pChild : children)
        pNode->AddChild(pChild);
}

void FindAndReplaceChildren(TreeNode* pStart, int nNodeId, const std::vector<TreeNode*>& children)
{
    TreeNode* pNode = FindNodeById(pStart, nNodeId);
    if (pNode)
        ReplaceChildren(pNode, children);
}

int MergeChildren(TreeNode* pStart, TreeNode* pNewNode)
{
    if (!pStart || !pNewNode || pStart->GetNodeId() == pNewNode->GetNodeId())
        return 0;
    for (TreeNode*& pChild : pStart->GetChildren()) {
        if (pChild->GetNodeId() == pNewNode->GetNodeId()) {
            TreeNode* pOld = pChild;
            pChild = pNewNode;
            delete pOld;
            return 1;
        }
        if (MergeChildren(pChild, pNewNode))
            return 1;
    }
    return 0;
}
