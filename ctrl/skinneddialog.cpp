#include "ctrl/skinneddialog.h"

#include "ctrl/nonclientpaint.h"
#include "ctrl/skinimage.h"
#include "ctrl/skintext.h"
#include "framework/dc.h"
#include "framework/resources.h"

#include <gdiplus.h>

namespace {

const COLORREF kControlTextColour = RGB(85, 85, 85);

// Tiles the image along one axis from 0 until the length is covered. A missing image
// measures 0 and is skipped: its size cannot step the tiles.
void Tile(Gdiplus::Graphics& graphics, const CSkinImage& tile, int nLength, bool bVertical)
{
    int nStep = bVertical ? tile.Height() : tile.Width();
    if (nStep <= 0)
        return;
    unsigned nTiles = static_cast<unsigned>(nLength) / static_cast<unsigned>(nStep) + 1;
    for (unsigned i = 0; i < nTiles; ++i) {
        int nOffset = static_cast<int>(i) * nStep;
        tile.Draw(graphics, bVertical ? 0 : nOffset, bVertical ? nOffset : 0);
    }
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

} // namespace

IMPLEMENT_DYNAMIC(CSkinnedDialog, CDialog)

CSkinnedDialog::CSkinnedDialog(UINT nIDTemplate, UINT nIDTitle, CWnd* pParentWnd, int nEditFontHeight)
    : CDialog(nIDTemplate, pParentWnd), m_nIDTitle(nIDTitle), m_nEditFontHeight(nEditFontHeight)
{
}

LRESULT CSkinnedDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PaintNonClientInstead(m_hWnd, message, [this](HDC hDC) { DrawFrame(hDC); }))
        return 1;
    return CDialog::DefWindowProc(message, wParam, lParam);
}

void CSkinnedDialog::DrawFrame(HDC hDC)
{
    DrawFrameTop(hDC, FALSE);
    DrawFrameLeft(hDC);
    DrawFrameRight(hDC);
    DrawFrameBottom(hDC);
}

// The skin is thinner than the system's frame at the sides and bottom and a little
// taller at the top.
void CSkinnedDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    rc.left += 5;
    rc.right -= 4;
    rc.bottom -= 4;
    rc.top -= 2;
    CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CSkinnedDialog::OnNcHitTest(POINT point)
{
    LRESULT nHit = CDialog::OnNcHitTest(point);
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    POINT ptWindow = {point.x - rcWindow.left, point.y - rcWindow.top};
    if (PtInRect(&m_rcClose, ptWindow))
        return HTCLOSE;
    if (nHit == HTCLOSE || nHit == HTMAXBUTTON || nHit == HTMINBUTTON)
        return HTCAPTION;
    return nHit;
}

void CSkinnedDialog::OnNcLButtonDown(UINT nHitTest, POINT point)
{
    if (nHitTest == HTCLOSE) {
        SendMessage(WM_CLOSE);
        return;
    }
    CDialog::OnNcLButtonDown(nHitTest, point);
}

void CSkinnedDialog::OnNcMouseMove(UINT nHitTest, POINT point)
{
    {
        CWindowDC dc(m_hWnd);
        if (dc)
            DrawFrameTop(dc, nHitTest == HTCLOSE);
    }
    CDialog::OnNcMouseMove(nHitTest, point);
}

void CSkinnedDialog::DrawFrameTop(HDC hDC, BOOL bCloseHighlighted)
{
    SIZE window = WindowSize(m_hWnd);
    CSkinImage banner("Skins/dlg_login_top_banner.png");
    COffscreenBuffer buffer(hDC, window.cx, banner.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Tile(graphics, banner, window.cx, false);
        CSkinImage leftCorner("Skins/dlg_login_ltop.png");
        leftCorner.Draw(graphics, 0, 0);
        CSkinImage rightCorner("Skins/dlg_login_rtop_banner.png");
        rightCorner.Draw(graphics, window.cx - rightCorner.Width(), 0);

        std::wstring strTitle = AfxLoadString(m_nIDTitle).Wide();
        Gdiplus::FontFamily family(L"宋体");
        Gdiplus::Font font(&family, 12, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
        graphics.DrawString(strTitle.c_str(), static_cast<INT>(strTitle.size()), &font, Gdiplus::PointF(15, 8), &white);

        CSkinImage background(bCloseHighlighted ? "Skins/icon_dlg_close_focus.png" : "Skins/icon_dlg_close_nomal.png");
        SetRect(&m_rcClose, window.cx - background.Width() - 5, 3, window.cx - 5, background.Height() + 3);
        background.Draw(graphics, m_rcClose.left, m_rcClose.top);
        CSkinImage glyph("Skins/icon_dlg_close.png");
        glyph.Draw(graphics, m_rcClose.left, m_rcClose.top, m_rcClose.right - m_rcClose.left,
                   m_rcClose.bottom - m_rcClose.top);
    }
    buffer.CopyTo(hDC, 0, 0);
}

// One side: the tile downward from under the top corner, the bottom corner at its end.
void CSkinnedDialog::DrawSideEdge(HDC hDC, const char* pszCorner, const char* pszTile, const char* pszBottom,
                                  BOOL bRight)
{
    SIZE window = WindowSize(m_hWnd);
    CSkinImage corner(pszCorner);
    CSkinImage tile(pszTile);
    COffscreenBuffer buffer(hDC, tile.Width(), window.cy - corner.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Tile(graphics, tile, window.cy, true);
        CSkinImage bottom(pszBottom);
        bottom.Draw(graphics, 0, buffer.Height() - bottom.Height());
    }
    buffer.CopyTo(hDC, bRight ? window.cx - tile.Width() : 0, corner.Height());
}

void CSkinnedDialog::DrawFrameLeft(HDC hDC)
{
    DrawSideEdge(hDC, "Skins/dlg_login_ltop.png", "Skins/dlg_login_left_banner.png", "Skins/dlg_border_leftbottom.png",
                 FALSE);
}

void CSkinnedDialog::DrawFrameRight(HDC hDC)
{
    DrawSideEdge(hDC, "Skins/dlg_login_rtop_banner.png", "Skins/dlg_login_right_banner.png",
                 "Skins/dlg_login_rbottom_banner.png", TRUE);
}

void CSkinnedDialog::DrawFrameBottom(HDC hDC)
{
    SIZE window = WindowSize(m_hWnd);
    int nLeftWidth = CSkinImage("Skins/dlg_login_lbottom.png").Width();
    int nRightWidth = CSkinImage("Skins/dlg_login_rbottom_banner.png").Width();
    CSkinImage banner("Skins/dlg_login_bottom_banner.png");
    COffscreenBuffer buffer(hDC, window.cx - nLeftWidth - nRightWidth + 1, banner.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Tile(graphics, banner, window.cx, false);
    }
    buffer.CopyTo(hDC, nLeftWidth - 1, window.cy - banner.Height());
}

// The fonts are copies of the dialog's font at normal weight (the edits' also at their
// own height), made on first use and kept until the window goes: a control asks for its
// colours on every paint.
HFONT CSkinnedDialog::ControlFont(UINT nCtlColor)
{
    bool bEdit = nCtlColor == CTLCOLOR_EDIT && m_nEditFontHeight != 0;
    CFont& font = bEdit ? m_fontEdit : m_fontStatic;
    if (!font.GetSafeHandle()) {
        LOGFONTA lf = {};
        if (!GetObjectA(GetFont(), sizeof(lf), &lf))
            GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfWeight = FW_NORMAL;
        if (bEdit)
            lf.lfHeight = m_nEditFontHeight;
        font.CreateFontIndirect(&lf);
    }
    return font;
}

HBRUSH CSkinnedDialog::OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CDialog::OnCtlColor(hDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_STATIC && nCtlColor != CTLCOLOR_EDIT)
        return hBrush;
    HFONT hFont = ControlFont(nCtlColor);
    SelectObject(hDC, hFont);
    // Without a redraw: a repaint here would ask for the colours again, and so forever.
    SetFont(hFont, FALSE);
    SetTextColor(hDC, kControlTextColour);
    if (nCtlColor == CTLCOLOR_STATIC)
        SetBkMode(hDC, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CSkinnedDialog::OnDestroy()
{
    CDialog::OnDestroy();
    m_fontStatic.DeleteObject();
    m_fontEdit.DeleteObject();
}
