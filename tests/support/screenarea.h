#ifndef TESTS_SUPPORT_SCREENAREA_H
#define TESTS_SUPPORT_SCREENAREA_H

// A rectangle of the screen as one picture, taken at once: what a person sees there,
// read pixel by pixel without a round trip to the screen for each.

#include <windows.h>
#include <functional>
#include <vector>

class CScreenArea {
public:
    explicit CScreenArea(const RECT& rcScreen);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // The colour at (x, y) of the area; black outside it.
    COLORREF At(int x, int y) const;
    // How many pixels of rc (area coordinates, cut to the area) match.
    int Count(const RECT& rc, const std::function<bool(COLORREF)>& match) const;
    // The rightmost column of rc holding a matching pixel; -1 when none does.
    int RightmostMatch(const RECT& rc, const std::function<bool(COLORREF)>& match) const;
    bool operator==(const CScreenArea& other) const;

private:
    RECT Clip(const RECT& rc) const;

    int m_nWidth;
    int m_nHeight;
    std::vector<DWORD> m_pixels; // top-down, 0x00RRGGBB
};

// One pixel of the screen.
COLORREF ScreenPixel(POINT ptScreen);
inline COLORREF ScreenPixel(int x, int y)
{
    return ScreenPixel(POINT{x, y});
}

// Text drawn in black: no channel above nLevel.
bool IsInk(COLORREF cr, int nLevel = 0x60);

#endif
