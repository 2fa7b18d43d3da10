#ifndef VELORA_LEFTCONTAINER_H
#define VELORA_LEFTCONTAINER_H
// The left pane of the main frame's splitter: the category tree. Every node result
// rebuilds the whole tree, fully expanded, and sends the browser pane to the page of
// its first leaf; a click on a leaf sends it to that leaf's page.
//
// The rows point into the frame's node tree, which the container never frees: whoever
// frees nodes that are shown rebuilds the tree (LoadTree) or empties it (ClearTree) in
// the same UI-thread step, before any paint or click can read them.
#include "ctrl/customtreectrl.h"
#include "ctrl/iurlswitcher.h"
#include "framework/object.h"
#include "framework/view.h"

class TreeNode;

class CLeftContainer : public CView, public IUrlSwitcher {
    DECLARE_DYNCREATE(CLeftContainer)

public:
    // Shows the tree below pRoot (owned by the frame's node tree).
    void LoadTree(TreeNode* pRoot);
    // Back to the blank root row alone, pointing at no node; the page stays.
    void ClearTree();
    // Navigates the browser pane (the splitter's row 0, column 1) to strUrl.
    void SwitchUrl(CString& strUrl) override;

    TreeNode* GetRootNode() const { return m_pRootNode; }
    const CString& GetCurrentUrl() const { return m_strCurrentUrl; }
    CCustomTreeCtrl& GetTree() { return m_tree; }

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnDraw(HDC hDC) override;

private:
    // All rows deleted, then the blank root row; returns it.
    HTREEITEM ResetRows();
    void AddNodes(TreeNode* pNode, HTREEITEM hParent);

    CCustomTreeCtrl m_tree;
    TreeNode* m_pRootNode = nullptr;
    CString m_strCurrentUrl;
};

#endif
