#ifndef CTRL_SKINNEDDIALOG_H
#define CTRL_SKINNEDDIALOG_H

// A modal dialog whose caption and border are painted from skin images, nine-slice
// fashion: a tiled top banner with two corners carrying the title and a skinned close
// button, tiled left and right edges ending in the bottom corners, and a tiled bottom
// edge. The system never paints this frame: every message whose default processing
// would paint it repaints the skin instead. The system's own caption buttons answer the
// hit test as caption, so the dialog is dragged there; the skinned button closes it.
//
// Child labels and edits are drawn in grey with one normal-weight copy of the dialog's
// font, made once and deleted with the window.

#include "framework/dialog.h"
#include "framework/gdiobj.h"

class CSkinnedDialog : public CDialog {
    DECLARE_DYNAMIC(CSkinnedDialog)
public:
    // nIDTitle: the string drawn in the caption. nEditFontHeight: the height given to the
    // edits' font (0: the dialog font's own height).
    CSkinnedDialog(UINT nIDTemplate, UINT nIDTitle, CWnd* pParentWnd, int nEditFontHeight = 0);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) override;
    LRESULT OnNcHitTest(POINT point) override;
    void OnNcLButtonDown(UINT nHitTest, POINT point) override;
    void OnNcMouseMove(UINT nHitTest, POINT point) override;
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor) override;
    void OnDestroy() override;

    void DrawFrameTop(HDC hDC, BOOL bCloseHighlighted);
    void DrawFrameLeft(HDC hDC);
    void DrawFrameRight(HDC hDC);
    void DrawFrameBottom(HDC hDC);

private:
    void DrawFrame(HDC hDC);
    void DrawSideEdge(HDC hDC, const char* pszCorner, const char* pszTile, const char* pszBottom, BOOL bRight);
    HFONT ControlFont(UINT nCtlColor);

    UINT m_nIDTitle;
    int m_nEditFontHeight;
    // The skinned close button in window coordinates; empty until the caption is painted.
    RECT m_rcClose = {};
    CFont m_fontStatic;
    CFont m_fontEdit;
};

#endif
