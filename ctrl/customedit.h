#ifndef CTRL_CUSTOMEDIT_H
#define CTRL_CUSTOMEDIT_H

// An edit control that paints its own rounded blue border and its text, masked with
// one '*' per byte in a password field. The caret and the horizontal scrolling are the
// system's; the system measures with the font and inset the text is painted with, and
// painting starts at the first character it has in view.

#include "framework/gdiobj.h"
#include "framework/stdctrls.h"

class CCustomEdit : public CEdit {
    DECLARE_DYNAMIC(CCustomEdit)
public:
    CCustomEdit();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;

private:
    HFONT TextFont();
    void MeasureAsPainted();
    int FirstVisibleByte(const CString& strText);

    CFont m_font;     // Arial 14, for plain text
    CFont m_fontMask; // the same at height 17, for the mask; made on first need
};

#endif
