#ifndef CTRL_NONCLIENTPAINT_H
#define CTRL_NONCLIENTPAINT_H

// For windows whose frame the program paints from skins: the system must never paint
// it. A window's DefWindowProc hands each message here first; the messages whose
// default processing would paint the frame (activation, non-client paint, and the move
// and notification ones after which the system redraws it) are taken and the skin is
// painted on the window's own device context instead.

#include <windows.h>

#include <functional>

// TRUE when message was taken and paint has run; the window then answers 1 and the
// message goes no further.
BOOL PaintNonClientInstead(HWND hWnd, UINT message, const std::function<void(HDC)>& paint);

#endif
