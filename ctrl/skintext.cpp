#include "ctrl/skintext.h"

#include <string>

void DrawSkinText(Gdiplus::Graphics& graphics, const CString& strText, int nPixels, INT nStyle,
                  const Gdiplus::Color& colour, Gdiplus::REAL x, Gdiplus::REAL y)
{
    std::wstring strWide = strText.Wide();
    Gdiplus::FontFamily family(L"宋体");
    Gdiplus::Font font(&family, static_cast<Gdiplus::REAL>(nPixels), nStyle, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush(colour);
    graphics.DrawString(strWide.c_str(), static_cast<INT>(strWide.size()), &font, Gdiplus::PointF(x, y), &brush);
}
