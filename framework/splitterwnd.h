#ifndef FRAMEWORK_SPLITTERWND_H
#define FRAMEWORK_SPLITTERWND_H
// A static splitter: a fixed grid of panes (at most 16 x 16) created once, laid out from
// their initial sizes (the last row and column take what is left). The user cannot move
// the bars. Pane (row, col) is a child with id AFX_IDW_PANE_FIRST + row * 16 + col.
#include "framework/wnd.h"

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    enum ESplitType { splitBox, splitBar, splitIntersection, splitBorder };

    CSplitterWnd() = default;
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = 59648);
    // The pane's object is made from pViewClass; sizeInit gives its column width and
    // row height.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext);
    // NULL when there is no such pane.
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return 59648 + row * 16 + col; }
    virtual void RecalcLayout();

protected:
    // Paints a bar or a pane's border; with no device context, invalidates rect.
    virtual void OnDrawSplitter(HDC hDC, ESplitType nType, const RECT& rect);
    void OnSize(UINT nType, int cx, int cy) override;
    void OnPaint() override;

    // Layout, in pixels: bar width between panes, border around each pane, and the
    // space a border shares with the bar.
    int m_cxSplitter = 6, m_cySplitter = 6;
    int m_cxBorderShare = 1, m_cyBorderShare = 1;
    int m_cxSplitterGap = 6, m_cySplitterGap = 6;
    int m_cxBorder = 2, m_cyBorder = 2;

private:
    static const int kMaxPanes = 16;
    // The cell of column col (or row) along one axis: start and size.
    void CellSpan(int nIndex, int nCount, const int* pSizes, int nTotal, int nBorder, int nGap, int& nStart,
                  int& nSize) const;
    RECT CellRect(int row, int col) const;
    int m_nRows = 0, m_nCols = 0;
    int m_colWidth[kMaxPanes] = {};
    int m_rowHeight[kMaxPanes] = {};
};

#endif
