#ifndef MODEL_TREENODE_H
#define MODEL_TREENODE_H

// One entry of the service's category tree. A node owns its children and its icon:
// deleting a node deletes its whole subtree. Nodes are never copied; they move
// between lists by pointer.

#include <windows.h>
#include <gdiplus.h>
#include <string>
#include <vector>

class TreeNode {
public:
    TreeNode() = default;
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;
    virtual ~TreeNode();

    void SetId(int nId) { m_nId = nId; }
    int GetId() const { return m_nId; }
    void SetNodeId(int nNodeId) { m_nNodeId = nNodeId; }
    int GetNodeId() const { return m_nNodeId; }
    void SetPid(int nPid) { m_nPid = nPid; }
    int GetPid() const { return m_nPid; }
    void SetNodeName(std::string strName) { m_strName = std::move(strName); }
    std::string GetNodeName() const { return m_strName; }
    void SetNodeUrl(std::string strUrl) { m_strUrl = std::move(strUrl); }
    std::string GetNodeUrl() const { return m_strUrl; }
    void SetBlank(int nBlank) { m_nBlank = nBlank; }
    int GetBlank() const { return m_nBlank; }
    void SetNeedExpand(int nNeedExpand) { m_nNeedExpand = nNeedExpand; }
    int GetNeedExpand() const { return m_nNeedExpand; }
    void SetIsLeaf(int nIsLeaf) { m_nIsLeaf = nIsLeaf; }
    int GetIsLeaf() const { return m_nIsLeaf; }

    // Deletes the icon held, then keeps pImage (null allowed).
    void SetImage(Gdiplus::Image* pImage);
    Gdiplus::Image* GetImage() const { return m_pImage; }

    // Appends; the node owns the child from now on.
    void AddChild(TreeNode* pChild) { m_children.push_back(pChild); }
    // The list itself, for the tree operations that edit it in place.
    std::vector<TreeNode*>& GetChildren() { return m_children; }

    // Node id and each child's node id, name and URL to the debug trace.
    void Dump() const;

private:
    int m_nId = 0;
    int m_nNodeId = 0;
    int m_nPid = 0;
    std::string m_strName;
    std::string m_strUrl;
    int m_nBlank = 0;
    int m_nNeedExpand = 1;
    int m_nIsLeaf = 0;
    Gdiplus::Image* m_pImage = nullptr;
    std::vector<TreeNode*> m_children;
};

#endif
