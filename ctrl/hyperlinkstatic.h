#ifndef CTRL_HYPERLINKSTATIC_H
#define CTRL_HYPERLINKSTATIC_H

// "关于我们": a bold blue label underlined in blue that shows the hand cursor and opens
// the address its owner gives in the user's browser when clicked. The static it is
// bound to needs SS_NOTIFY, or it never sees the mouse.

#include "ctrl/customstatic.h"

class CHyperlinkStatic : public CCustomStatic {
    DECLARE_DYNAMIC(CHyperlinkStatic)
public:
    explicit CHyperlinkStatic(CString strUrl);
    const CString& GetUrl() const { return m_strUrl; }

protected:
    void OnPaint() override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message) override;
    void OnLButtonDown(UINT nFlags, POINT point) override;

private:
    CString m_strUrl;
};

#endif
