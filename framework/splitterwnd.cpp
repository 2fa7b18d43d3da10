#include "framework/splitterwnd.h"

#include "framework/dc.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes || m_hWnd)
        return FALSE;
    m_nRows = nRows;
    m_nCols = nCols;
    RECT rect = {0, 0, 0, 0};
    return Create(NULL, NULL, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit, CCreateContext* pContext)
{
    if (!m_hWnd || row < 0 || col < 0 || row >= m_nRows || col >= m_nCols || GetPane(row, col))
        return FALSE;
    CObject* pObject = pViewClass ? pViewClass->CreateObject() : NULL;
    CWnd* pWnd = dynamic_cast<CWnd*>(pObject);
    if (!pWnd) {
        delete pObject;
        return FALSE;
    }
    m_colWidth[col] = sizeInit.cx;
    m_rowHeight[row] = sizeInit.cy;
    RECT rect = {0, 0, 0, 0};
    if (!pWnd->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, this, static_cast<UINT>(IdFromRowCol(row, col)),
                      pContext)) {
        // A pane whose window was made and destroyed again has deleted itself.
        if (!CWnd::LastCreateAttached())
            delete pWnd;
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (!m_hWnd || row < 0 || col < 0 || row >= m_nRows || col >= m_nCols)
        return NULL;
    return FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, col)));
}

void CSplitterWnd::CellSpan(int nIndex, int nCount, const int* pSizes, int nTotal, int nBorder, int nGap, int& nStart,
                            int& nSize) const
{
    nStart = 0;
    for (int i = 0; i < nIndex; ++i)
        nStart += pSizes[i] + 2 * nBorder + nGap;
    nSize = nIndex == nCount - 1 ? nTotal - nStart : pSizes[nIndex] + 2 * nBorder;
    if (nSize < 0)
        nSize = 0;
}

RECT CSplitterWnd::CellRect(int row, int col) const
{
    RECT rcClient;
    GetClientRect(&rcClient);
    int x, cx, y, cy;
    CellSpan(col, m_nCols, m_colWidth, rcClient.right, m_cxBorder, m_cxSplitterGap, x, cx);
    CellSpan(row, m_nRows, m_rowHeight, rcClient.bottom, m_cyBorder, m_cySplitterGap, y, cy);
    RECT rect = {x, y, x + cx, y + cy};
    return rect;
}

void CSplitterWnd::RecalcLayout()
{
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            CWnd* pPane = GetPane(row, col);
            if (!pPane)
                continue;
            RECT rect = CellRect(row, col);
            InflateRect(&rect, -m_cxBorder, -m_cyBorder);
            if (rect.right < rect.left)
                rect.right = rect.left;
            if (rect.bottom < rect.top)
                rect.bottom = rect.top;
            pPane->MoveWindow(rect);
        }
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!dc)
        return;
    RECT rcClient;
    GetClientRect(&rcClient);
    OnDrawSplitter(dc, splitBar, rcClient);
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = 0; col < m_nCols; ++col)
            OnDrawSplitter(dc, splitBorder, CellRect(row, col));
    }
}

void CSplitterWnd::OnDrawSplitter(HDC hDC, ESplitType nType, const RECT& rect)
{
    if (!hDC) {
        RedrawWindow(m_hWnd, &rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    RECT rc = rect;
    if (nType == splitBorder)
        DrawEdge(hDC, &rc, EDGE_SUNKEN, BF_RECT);
    else
        FillRect(hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
}
