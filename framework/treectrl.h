#ifndef FRAMEWORK_TREECTRL_H
#define FRAMEWORK_TREECTRL_H
// The system's tree-view control as a window object: items addressed by handle, each
// with a text and one pointer-sized value of the caller's.
#include "framework/wnd.h"

#include <commctrl.h>

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    HTREEITEM InsertItem(const char* lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    // Classes that remember items of their own forget them here.
    virtual BOOL DeleteAllItems();
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    CString GetItemText(HTREEITEM hItem) const;
    // nCode: TVE_EXPAND, TVE_COLLAPSE, ...
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // The item's TVIS_* bits within nStateMask.
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemHeight(SHORT cyHeight);
    UINT GetCount() const;

    HTREEITEM GetRootItem() const { return GetNextItem(NULL, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;

    // The item's row (bTextOnly FALSE) or its label; FALSE when its row is not shown
    // (a collapsed ancestor).
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    // The item at point (client coordinates), or NULL; *pFlags gets TVHT_* bits.
    HTREEITEM HitTest(POINT point, UINT* pFlags = NULL) const;
};

#endif
