#ifndef CTRL_CUSTOMBUTTON_H
#define CTRL_CUSTOMBUTTON_H

// An owner-drawn push button painted from three skin images (normal, hover, pressed)
// with a centred label. A press of the left button (or BM_CLICK, which presses it)
// reports the click id to the listener at once, before the button is released.

#include "ctrl/clicklistener.h"
#include "framework/stdctrls.h"

class CCustomButton : public CButton {
    DECLARE_DYNAMIC(CCustomButton)
public:
    enum { kNormal = 0, kHover = 1, kPressed = 2 };

    // Full path of the image for kNormal, kHover or kPressed; other states are ignored.
    void SetImage(CString strPath, int nState);
    void SetText(CString strText) { m_strText = strText; }
    CString GetText() const { return m_strText; }
    void SetListener(IClickListener* pListener) { m_pListener = pListener; }
    void SetClickId(int nClickId) { m_nClickId = nClickId; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    void OnMouseMove(UINT nFlags, POINT point) override;
    void OnMouseLeave() override;
    void OnLButtonDown(UINT nFlags, POINT point) override;

private:
    void DrawButton();

    int m_nClickId = 0;
    CString m_strImages[3];
    CString m_strText;
    BOOL m_bTracking = FALSE;
    int m_nState = kNormal;
    IClickListener* m_pListener = nullptr;
};

#endif
