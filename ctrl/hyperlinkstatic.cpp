#include "ctrl/hyperlinkstatic.h"

#include "framework/dc.h"

#include <shellapi.h>
#include <utility>

IMPLEMENT_DYNAMIC(CHyperlinkStatic, CCustomStatic)

namespace {
const COLORREF kLinkBlue = RGB(0, 0, 255);
} // namespace

CHyperlinkStatic::CHyperlinkStatic(CString strUrl) : m_strUrl(std::move(strUrl))
{
    m_strText = "关于我们";
}

void CHyperlinkStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    COLORREF crOld = SetTextColor(dc, kLinkBlue);
    DrawLabel(dc, rc, FW_BOLD);
    SetTextColor(dc, crOld);
    CPen pen(PS_SOLID, 1, kLinkBlue);
    CSelectGuard selectPen(dc, pen);
    // The last row inside the control: its bottom edge itself lies outside.
    MoveToEx(dc, rc.left, rc.bottom - 1, NULL);
    LineTo(dc, rc.right, rc.bottom - 1);
}

void CHyperlinkStatic::OnMouseMove(UINT nFlags, POINT point)
{
    SetCursor(LoadCursor(NULL, IDC_HAND));
    CCustomStatic::OnMouseMove(nFlags, point);
}

// Without this the class cursor (the arrow) comes back before every move.
BOOL CHyperlinkStatic::OnSetCursor(HWND hWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CCustomStatic::OnSetCursor(hWnd, nHitTest, message);
    SetCursor(LoadCursor(NULL, IDC_HAND));
    return TRUE;
}

void CHyperlinkStatic::OnLButtonDown(UINT nFlags, POINT point)
{
    CCustomStatic::OnLButtonDown(nFlags, point);
    ShellExecuteA(::GetParent(m_hWnd), "open", m_strUrl, NULL, NULL, SW_SHOW);
}
