#include "ctrl/customtreectrl.h"

#include "ctrl/iurlswitcher.h"
#include "framework/dc.h"
#include "model/treenode.h"

IMPLEMENT_DYNAMIC(CCustomTreeCtrl, CTreeCtrl)

namespace {
const COLORREF kBackground = RGB(238, 238, 238);
} // namespace

BOOL CCustomTreeCtrl::DeleteAllItems()
{
    m_hSelectedItem = NULL;
    m_hHoverItem = NULL;
    return CTreeCtrl::DeleteAllItems();
}

const TreeNode* CCustomTreeCtrl::NodeOf(HTREEITEM hItem) const
{
    return reinterpret_cast<const TreeNode*>(GetItemData(hItem));
}

bool CCustomTreeCtrl::IsLeafItem(HTREEITEM hItem) const
{
    const TreeNode* pNode = hItem ? NodeOf(hItem) : nullptr;
    return pNode && pNode->GetIsLeaf() != 0;
}

void CCustomTreeCtrl::DrawTreeItem(HTREEITEM hItem, CTreeRowPainter::EState nState)
{
    CClientDC dc(m_hWnd);
    CTreeRowPainter painter(dc);
    PaintItem(painter, hItem, nState, NULL);
}

void CCustomTreeCtrl::DrawChildItems(HTREEITEM hItem, HTREEITEM hHover)
{
    CClientDC dc(m_hWnd);
    CTreeRowPainter painter(dc);
    PaintChildren(painter, hItem, hHover);
}

void CCustomTreeCtrl::DrawAllItems()
{
    CClientDC dc(m_hWnd);
    RECT rcClient;
    GetClientRect(&rcClient);
    CBrush background(kBackground);
    FillRect(dc, &rcClient, background);
    CTreeRowPainter painter(dc);
    PaintItem(painter, GetRootItem(), CTreeRowPainter::stateNormal, NULL);
}

// The item's row, then its descendants.
void CCustomTreeCtrl::PaintItem(CTreeRowPainter& painter, HTREEITEM hItem, CTreeRowPainter::EState nState,
                                HTREEITEM hHover)
{
    RECT rcRow;
    if (!hItem || !GetItemRect(hItem, &rcRow, FALSE))
        return;
    RECT rcSeen;
    if (IntersectRect(&rcSeen, &rcRow, &painter.View()))
        painter.PaintRow(rcRow, NodeOf(hItem), GetItemText(hItem).Wide(), nState);
    PaintChildren(painter, hItem, hHover);
}

// Rows lie in depth-first order from top to bottom: the walk stops at the first row
// below the view and skips a child's whole subtree when its next sibling is still above it.
void CCustomTreeCtrl::PaintChildren(CTreeRowPainter& painter, HTREEITEM hItem, HTREEITEM hHover)
{
    const RECT& rcView = painter.View();
    for (HTREEITEM hChild = GetChildItem(hItem); hChild;) {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        RECT rcRow;
        if (GetItemRect(hChild, &rcRow, FALSE) && rcRow.top >= rcView.bottom)
            return;
        RECT rcNext;
        bool bSubtreeAbove = hNext && GetItemRect(hNext, &rcNext, FALSE) && rcNext.top <= rcView.top;
        if (!bSubtreeAbove) {
            CTreeRowPainter::EState nState = CTreeRowPainter::stateNormal;
            if (hChild == hHover && hChild != m_hSelectedItem && IsLeafItem(hChild))
                nState = CTreeRowPainter::stateHover;
            else if (hChild == m_hSelectedItem)
                nState = CTreeRowPainter::stateSelected;
            PaintItem(painter, hChild, nState, hHover);
        }
        hChild = hNext;
    }
}

// The standard drawing never runs: the paint only validates the control.
void CCustomTreeCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawAllItems();
}

void CCustomTreeCtrl::OnMouseMove(UINT nFlags, POINT point)
{
    HTREEITEM hItem = HitTest(point);
    if (hItem && hItem != m_hHoverItem) {
        m_hHoverItem = hItem;
        DrawChildItems(GetRootItem(), m_hHoverItem);
    }
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, 1};
        m_bTracking = _TrackMouseEvent(&tme);
    }
    CTreeCtrl::OnMouseMove(nFlags, point);
}

// The hover item is forgotten too, so coming back onto the same leaf marks it again.
void CCustomTreeCtrl::OnMouseLeave()
{
    m_bTracking = FALSE;
    m_hHoverItem = NULL;
    DrawTreeItem(GetRootItem(), CTreeRowPainter::stateNormal);
    CTreeCtrl::OnMouseLeave();
}

void CCustomTreeCtrl::OnLButtonDown(UINT nFlags, POINT point)
{
    HTREEITEM hItem = HitTest(point);
    if (!IsLeafItem(hItem))
        return;
    m_hSelectedItem = hItem;
    CString strUrl(NodeOf(hItem)->GetNodeUrl());
    if (IUrlSwitcher* pSwitcher = dynamic_cast<IUrlSwitcher*>(GetParent()))
        pSwitcher->SwitchUrl(strUrl);
    CTreeCtrl::OnLButtonDown(nFlags, point);
    DrawAllItems();
}
