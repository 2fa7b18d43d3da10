#ifndef VELORA_CAPTIONPAINTER_H
#define VELORA_CAPTIONPAINTER_H

#include <windows.h>

class CMainFrame;

// Paints the main frame's caption (the top of its non-client area) on a window
// device context; nHover names the caption element under the mouse (4: none).
void DrawCaption(CMainFrame* pFrame, HDC hDC, int nHover);

#endif
