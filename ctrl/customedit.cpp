#include "ctrl/customedit.h"

#include "framework/dc.h"

IMPLEMENT_DYNAMIC(CCustomEdit, CEdit)

namespace {
const COLORREF kBorderColour = RGB(47, 140, 194);
const UINT kTextFormat = DT_SINGLELINE | DT_INTERNAL | DT_EDITCONTROL;
const int kPasswordFontHeight = 17;

// How far the text keeps from the border, on the left and the right.
int TextInset()
{
    return GetSystemMetrics(SM_CXEDGE) + 1;
}
} // namespace

CCustomEdit::CCustomEdit()
{
    m_font.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial");
}

LRESULT CCustomEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
    // A password style comes after creation, with the password character.
    if ((message == WM_CREATE && lResult != -1) || message == WM_STYLECHANGED)
        MeasureAsPainted();
    return lResult;
}

HFONT CCustomEdit::TextFont()
{
    if (!(GetStyle() & ES_PASSWORD))
        return m_font;
    if (!m_fontMask.GetSafeHandle()) {
        LOGFONTA lf = {};
        m_font.GetLogFont(&lf);
        lf.lfHeight = kPasswordFontHeight;
        m_fontMask.CreateFontIndirect(&lf);
    }
    return m_fontMask;
}

// The system scrolls long text and places the caret by its own font and margins. Given
// the painted font and inset, the first character it has in view is where the painted
// text starts, and its caret falls between the painted characters.
void CCustomEdit::MeasureAsPainted()
{
    HFONT hFont = TextFont();
    if (reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) != hFont)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    // After the font: a new font resets the margins.
    SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(TextInset(), TextInset()));
}

// A single-line edit reports its first character in view as its first visible line.
int CCustomEdit::FirstVisibleByte(const CString& strText)
{
    int nChars = static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE));
    const char* pszStart = strText;
    const char* psz = pszStart;
    for (int i = 0; i < nChars && *psz; ++i)
        psz = CharNextA(psz);
    return static_cast<int>(psz - pszStart);
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
    int nFirst = FirstVisibleByte(strText);
    const char* pszInView = strText.GetString() + nFirst;
    int nInView = strText.GetLength() - nFirst;
    rc.top += 2;
    rc.left += TextInset();
    rc.right -= TextInset();
    CSelectGuard selectFont(dc, TextFont());
    if (GetStyle() & ES_PASSWORD) {
        CString strMask('*', nInView);
        DrawTextA(dc, strMask, strMask.GetLength(), &rc, kTextFormat);
    } else {
        DrawTextA(dc, pszInView, nInView, &rc, kTextFormat);
    }
}
