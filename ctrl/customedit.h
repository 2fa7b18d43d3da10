#ifndef CTRL_CUSTOMEDIT_H
#define CTRL_CUSTOMEDIT_H

// An edit control that paints its own rounded blue border and its text, masked with
// one '*' per byte in a password field. The caret is the system's.

#include "framework/gdiobj.h"
#include "framework/stdctrls.h"

class CCustomEdit : public CEdit {
    DECLARE_DYNAMIC(CCustomEdit)
public:
    CCustomEdit();

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC hDC) override;

private:
    CFont m_font; // Arial 14, for plain text
};

#endif
