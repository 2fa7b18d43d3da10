#include "tests/support/screenarea.h"

#include <algorithm>

CScreenArea::CScreenArea(const RECT& rcScreen)
    : m_nWidth(std::max<int>(0, rcScreen.right - rcScreen.left)),
      m_nHeight(std::max<int>(0, rcScreen.bottom - rcScreen.top)), m_pixels(static_cast<size_t>(m_nWidth) * m_nHeight)
{
    if (m_pixels.empty())
        return;
    HDC hScreen = GetDC(NULL);
    HDC hMemory = CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = m_nWidth;
    bmi.bmiHeader.biHeight = -m_nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap && pBits) {
        HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
        BitBlt(hMemory, 0, 0, m_nWidth, m_nHeight, hScreen, rcScreen.left, rcScreen.top, SRCCOPY);
        GdiFlush();
        const DWORD* pSource = static_cast<const DWORD*>(pBits);
        std::transform(pSource, pSource + m_pixels.size(), m_pixels.begin(), [](DWORD d) { return d & 0xFFFFFF; });
        SelectObject(hMemory, hOld);
    }
    if (hBitmap)
        DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(NULL, hScreen);
}

COLORREF CScreenArea::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return RGB(0, 0, 0);
    DWORD d = m_pixels[static_cast<size_t>(y) * m_nWidth + x];
    return RGB(GetBValue(d), GetGValue(d), GetRValue(d));
}

RECT CScreenArea::Clip(const RECT& rc) const
{
    RECT rcArea = {0, 0, m_nWidth, m_nHeight};
    RECT rcClipped = {};
    IntersectRect(&rcClipped, &rc, &rcArea);
    return rcClipped;
}

int CScreenArea::Count(const RECT& rcWanted, const std::function<bool(COLORREF)>& match) const
{
    RECT rc = Clip(rcWanted);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += match(At(x, y));
    return n;
}

int CScreenArea::RightmostMatch(const RECT& rcWanted, const std::function<bool(COLORREF)>& match) const
{
    RECT rc = Clip(rcWanted);
    for (int x = rc.right - 1; x >= rc.left; --x)
        for (int y = rc.top; y < rc.bottom; ++y)
            if (match(At(x, y)))
                return x;
    return -1;
}

bool CScreenArea::operator==(const CScreenArea& other) const
{
    return m_nWidth == other.m_nWidth && m_nHeight == other.m_nHeight && m_pixels == other.m_pixels;
}

COLORREF ScreenPixel(POINT ptScreen)
{
    HDC hScreen = GetDC(NULL);
    COLORREF cr = GetPixel(hScreen, ptScreen.x, ptScreen.y);
    ReleaseDC(NULL, hScreen);
    return cr;
}

bool IsInk(COLORREF cr, int nLevel)
{
    return GetRValue(cr) <= nLevel && GetGValue(cr) <= nLevel && GetBValue(cr) <= nLevel;
}
