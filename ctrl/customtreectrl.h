#ifndef CTRL_CUSTOMTREECTRL_H
#define CTRL_CUSTOMTREECTRL_H
// The category tree on the left of the main window. Each item's data is the TreeNode
// it shows (the blank root row has none). The control paints every row itself from
// the skin images, marks the leaf under the mouse, and turns a click on a leaf into a
// page switch of its parent (IUrlSwitcher); clicks on category rows do nothing at all.
//
// Only rows that can be seen are painted, so a paint costs as much as the rows in view
// however large the tree is.
#include "ctrl/treerowpainter.h"
#include "framework/treectrl.h"

class TreeNode;

class CCustomTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CCustomTreeCtrl)
public:
    // Also forgets the selected and hover items: their handles name deleted rows.
    BOOL DeleteAllItems() override;

    // The leaf whose page is shown (clicked, or chosen by the parent after a fill).
    HTREEITEM GetSelectedItem() const { return m_hSelectedItem; }
    void SetSelectedItem(HTREEITEM hItem) { m_hSelectedItem = hItem; }
    HTREEITEM GetHoverItem() const { return m_hHoverItem; }

    // Paints the item's row in nState, then every row below it, the selected leaf marked.
    void DrawTreeItem(HTREEITEM hItem, CTreeRowPainter::EState nState);
    // Repaints the item's descendants, marking hHover when it is a leaf that is not selected.
    void DrawChildItems(HTREEITEM hItem, HTREEITEM hHover);
    // Fills the control with the background and repaints the whole tree.
    void DrawAllItems();

protected:
    void OnPaint() override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnMouseLeave() override;
    void OnLButtonDown(UINT nFlags, POINT point) override;

private:
    const TreeNode* NodeOf(HTREEITEM hItem) const;
    bool IsLeafItem(HTREEITEM hItem) const;
    void PaintItem(CTreeRowPainter& painter, HTREEITEM hItem, CTreeRowPainter::EState nState, HTREEITEM hHover);
    void PaintChildren(CTreeRowPainter& painter, HTREEITEM hItem, HTREEITEM hHover);

    HTREEITEM m_hSelectedItem = NULL;
    HTREEITEM m_hHoverItem = NULL;
    BOOL m_bTracking = FALSE;
};

#endif
