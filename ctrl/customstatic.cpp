#include "ctrl/customstatic.h"

#include "framework/dc.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CCustomStatic, CStatic)

HFONT CCustomStatic::CreateLabelFont(HDC hDC, int nWeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(10, GetDeviceCaps(hDC, LOGPIXELSY), 72);
    lf.lfWeight = nWeight;
    lf.lfCharSet = GB2312_CHARSET;
    strncpy(lf.lfFaceName, "宋体", sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirectA(&lf);
}

void CCustomStatic::DrawLabel(HDC hDC, const RECT& rc, int nWeight)
{
    CFont font;
    font.Attach(CreateLabelFont(hDC, nWeight));
    CSelectGuard selectFont(hDC, font);
    int nOldMode = SetBkMode(hDC, TRANSPARENT);
    RECT rcText = rc;
    DrawTextA(hDC, m_strText, m_strText.GetLength(), &rcText, DT_SINGLELINE | DT_VCENTER);
    SetBkMode(hDC, nOldMode);
}

void CCustomStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    DrawLabel(dc, rc, FW_NORMAL);
}
