#include "velora/captionpainter.h"

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
    HDC hMemory = CreateCompatibleDC(hDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(hDC, nWidth, kCaptionHeight);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    HBRUSH hBrush = CreateSolidBrush(kCaptionColour);
    RECT rcBand = {0, 0, nWidth, kCaptionHeight};
    FillRect(hMemory, &rcBand, hBrush);
    BitBlt(hDC, 0, 0, nWidth, kCaptionHeight, hMemory, 0, 0, SRCCOPY);
    DeleteObject(hBrush);
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
}
