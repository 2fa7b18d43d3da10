#ifndef VELORA_LEFTCONTAINER_H
#define VELORA_LEFTCONTAINER_H

#include "framework/dyncreate.h"
#include "framework/view.h"

class TreeNode;

// The left pane of the main frame's splitter, which shows the category tree.
class CLeftContainer : public CView {
    DECLARE_DYNCREATE(CLeftContainer)

public:
    // Shows the tree below pNode (owned by the frame's node tree).
    void LoadTree(TreeNode* pNode);
    TreeNode* GetShownNode() const { return m_pShownNode; }

protected:
    void OnDraw(HDC hDC) override;

private:
    TreeNode* m_pShownNode = nullptr;
};

#endif
