#include "ctrl/customedit.h"

#include "framework/dc.h"

IMPLEMENT_DYNAMIC(CCustomEdit, CEdit)

namespace {
const COLORREF kBorderColour = RGB(47, 140, 194);
const UINT kTextFormat = DT_SINGLELINE | DT_INTERNAL | DT_EDITCONTROL;
const int kPasswordFontHeight = 17;
} // namespace

CCustomEdit::CCustomEdit()
{
    m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
}

BOOL CCustomEdit::OnEraseBkgnd(HDC)
{
    return TRUE;
}

void CCustomEdit::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    {
        CPen pen(PS_INSIDEFRAME, 1, kBorderColour);
        CSelectGuard selectPen(dc, pen);
        InflateRect(&rc, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
        RoundRect(dc, rc.left - 2, rc.top, rc.right, rc.bottom, 5, 5);
    }

    CString strText = GetWindowText();
    rc.top += 2;
    rc.left += 1;
    if (GetStyle() & ES_PASSWORD) {
        LOGFONTA lf = {};
        m_font.GetLogFont(&lf);
        lf.lfHeight = kPasswordFontHeight;
        CFont fontMask;
        fontMask.CreateFontIndirect(&lf);
        CString strMask('*', strText.GetLength());
        CSelectGuard selectFont(dc, fontMask);
        DrawTextA(dc, strMask, strMask.GetLength(), &rc, kTextFormat);
    } else {
        CSelectGuard selectFont(dc, m_font);
        DrawTextA(dc, strText, strText.GetLength(), &rc, kTextFormat);
    }
}
