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

// The border runs along the inside of the control: a paint is clipped to the control,
// so a border drawn around it would never be seen.
void CCustomEdit::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    {
        CPen pen(PS_INSIDEFRAME, 1, kBorderColour);
        CSelectGuard selectPen(dc, pen);
        RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, 5, 5);
    }

    CString strText = GetWindowText();
    rc.top += 2;
    rc.left += GetSystemMetrics(SM_CXEDGE) + 1;
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
