#ifndef CTRL_SKINTEXT_H
#define CTRL_SKINTEXT_H

#include "framework/cstring.h"

#include <windows.h>
#include <gdiplus.h>

// Draws an ANSI text with GDI+ at (x, y) in 宋体 of nPixels pixels (nStyle: a
// Gdiplus::FontStyle), as the skinned painters label their pieces.
void DrawSkinText(Gdiplus::Graphics& graphics, const CString& strText, int nPixels, INT nStyle,
                  const Gdiplus::Color& colour, Gdiplus::REAL x, Gdiplus::REAL y);

#endif
