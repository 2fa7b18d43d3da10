#include "velora/velorasplitterwnd.h"

#include "framework/gdiobj.h"
#include "framework/trace.h"

IMPLEMENT_DYNAMIC(CVeloraSplitterWnd, CSplitterWnd)

namespace {
const COLORREF kBlue = RGB(84, 153, 238);
} // namespace

CVeloraSplitterWnd::CVeloraSplitterWnd()
{
    m_cxSplitter = m_cySplitter = 0;
    m_cxBorderShare = m_cyBorderShare = 0;
    m_cxSplitterGap = m_cySplitterGap = 1;
}

void CVeloraSplitterWnd::OnDrawSplitter(HDC hDC, ESplitType nType, const RECT& rect)
{
    if (!hDC) {
        RedrawWindow(m_hWnd, &rect, NULL, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    CBrush blue(kBlue);
    RECT rc = rect;
    switch (nType) {
    case splitBar:
        FillRect(hDC, &rc, blue);
        break;
    case splitBorder:
        FrameRect(hDC, &rc, blue);
        InflateRect(&rc, -1, -1);
        FrameRect(hDC, &rc, blue);
        break;
    default:
        // A one-row static splitter without scroll bars has no box or intersection.
        TRACE("CVeloraSplitterWnd: unexpected splitter part %d\n", nType);
        break;
    }
}

void CVeloraSplitterWnd::OnLButtonDown(UINT, POINT)
{
}

BOOL CVeloraSplitterWnd::OnSetCursor(HWND, UINT, UINT)
{
    return FALSE;
}
