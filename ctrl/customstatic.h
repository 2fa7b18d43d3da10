#ifndef CTRL_CUSTOMSTATIC_H
#define CTRL_CUSTOMSTATIC_H

// A label painted in 宋体 10 point. Its owner writes m_strText and invalidates the
// control; the window text is not painted.

#include "framework/stdctrls.h"

class CCustomStatic : public CStatic {
    DECLARE_DYNAMIC(CCustomStatic)
public:
    CString m_strText;

protected:
    void OnPaint() override;
    // The label's font: 宋体 10 point of weight nWeight for the context's resolution.
    static HFONT CreateLabelFont(HDC hDC, int nWeight);
    // Draws m_strText vertically centred on one line with a transparent background.
    void DrawLabel(HDC hDC, const RECT& rc, int nWeight);
};

#endif
