#include "ctrl/custombutton.h"

#include "ctrl/skinimage.h"
#include "ctrl/skintext.h"
#include "framework/dc.h"

#include <gdiplus.h>

IMPLEMENT_DYNAMIC(CCustomButton, CButton)

void CCustomButton::SetImage(CString strPath, int nState)
{
    if (nState >= kNormal && nState <= kPressed)
        m_strImages[nState] = strPath;
}

void CCustomButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

// The button's own device context, not the one of the draw request: the mouse handlers
// paint the same way outside WM_DRAWITEM.
void CCustomButton::DrawButton()
{
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    int cx = rcWindow.right - rcWindow.left, cy = rcWindow.bottom - rcWindow.top;
    CClientDC dc(m_hWnd);
    if (!dc)
        return;
    COffscreenBuffer buffer(dc, cx, cy);
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
        graphics.FillRectangle(&white, 0, 0, cx, cy);
        CSkinImage(m_strImages[m_nState].Wide()).Draw(graphics, 0, 0, cx, cy);

        SIZE size = {};
        GetTextExtentPoint32A(dc, m_strText, m_strText.GetLength(), &size);
        DrawSkinText(graphics, m_strText, 12, Gdiplus::FontStyleRegular, Gdiplus::Color(0, 0, 0),
                     static_cast<Gdiplus::REAL>((cx - size.cx) / 2),
                     static_cast<Gdiplus::REAL>((cy - size.cy) / 2 + 2));
    }
    buffer.CopyTo(dc);
}

// Focus and press decide the state; without focus the button is drawn normal.
void CCustomButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    UINT nItemState = lpDrawItemStruct->itemState;
    if (!(nItemState & ODS_FOCUS))
        m_nState = kNormal;
    else if (nItemState & ODS_SELECTED)
        m_nState = kPressed;
    DrawButton();
}

void CCustomButton::OnMouseMove(UINT nFlags, POINT point)
{
    m_nState = kHover;
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, 1};
        m_bTracking = TrackMouseEvent(&tme);
    }
    CButton::OnMouseMove(nFlags, point);
    DrawButton();
}

void CCustomButton::OnMouseLeave()
{
    m_nState = kNormal;
    CButton::OnMouseLeave();
    DrawButton();
    m_bTracking = FALSE;
}

void CCustomButton::OnLButtonDown(UINT nFlags, POINT point)
{
    CButton::OnLButtonDown(nFlags, point);
    if (m_pListener)
        m_pListener->OnClick(m_nClickId);
}
