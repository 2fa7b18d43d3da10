#ifndef VELORA_CAPTION_H
#define VELORA_CAPTION_H
// The main frame's skinned caption band: the user area, the three book-menu entries,
// the settings entry and the window buttons with the logo, painted from the skin
// images. The frame's non-client handlers ask it what lies under the mouse.
#include <windows.h>

class CMainFrame;

// What the mouse is over, passed to every paint of the caption.
enum ECaptionHover {
    hoverNone = 0,
    hoverBookPlaza = 3,
    hoverNothing = 4, // every repaint that is not a mouse move
    hoverJourneyCapture = 5,
    hoverMid = 7,
    hoverSetting = 9,
    hoverMinimize = 11,
    hoverMaximize = 13,
    hoverClose = 15,
};

// The caption entry that is chosen (the frame's m_nSelectedMenu).
enum ECaptionSelection {
    selectNone = 0,
    selectUser = 2,
    selectBookPlaza = 4,
    selectJourneyCapture = 6,
    selectMid = 8,
    selectSetting = 10,
};

// Paints the whole band on a device context of the whole window.
void DrawCaption(CMainFrame* pFrame, HDC hDC, int nHover);
// The hover code for a point in window coordinates whose hit-test code is nHitTest.
int CaptionHoverAt(const CMainFrame& frame, UINT nHitTest, POINT ptWindow);

#endif
