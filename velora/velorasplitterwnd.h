#ifndef VELORA_VELORASPLITTERWND_H
#define VELORA_VELORASPLITTERWND_H
// The main frame's client area: a splitter the user cannot move, with no bar between
// its panes but a one-pixel gap, painted in the client's blue.
#include "framework/object.h"
#include "framework/splitterwnd.h"

class CVeloraSplitterWnd : public CSplitterWnd {
    DECLARE_DYNAMIC(CVeloraSplitterWnd)
public:
    CVeloraSplitterWnd();

protected:
    void OnDrawSplitter(HDC hDC, ESplitType nType, const RECT& rect) override;
    // No tracking starts, and the cursor stays whatever it was (no split cursor).
    void OnLButtonDown(UINT nFlags, POINT point) override;
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message) override;
};

#endif
