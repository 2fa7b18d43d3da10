#include "velora/captionpainter.h"

#include "framework/dc.h"
#include "velora/mainframe.h"

namespace {
const int kCaptionHeight = 57;
const COLORREF kCaptionColour = RGB(40, 110, 200);
} // namespace

// A plain band across the window's top, composed off-screen and copied in one go.
void DrawCaption(CMainFrame* pFrame, HDC hDC, int)
{
    RECT rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    int nWidth = rcWindow.right - rcWindow.left;
    COffscreenBuffer buffer(hDC, nWidth, kCaptionHeight);
    CBrush brush(kCaptionColour);
    RECT rcBand = {0, 0, nWidth, kCaptionHeight};
    FillRect(buffer, &rcBand, brush);
    buffer.CopyTo(hDC);
}
