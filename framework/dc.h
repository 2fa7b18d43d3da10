#ifndef FRAMEWORK_DC_H
#define FRAMEWORK_DC_H
// Owners of device contexts, each released the way it was obtained, and an off-screen
// buffer: painters compose into the buffer and copy it to the screen in one transfer.
#include "framework/gdiobj.h"

#include <windows.h>

// BeginPaint/EndPaint for one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
    HDC m_hDC;
};

// GetDC (client area) or GetWindowDC (whole window), released on destruction.
class CClientDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_hDC)
            ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hDC; }

protected:
    CClientDC(HWND hWnd, HDC hDC) : m_hWnd(hWnd), m_hDC(hDC) {}

private:
    HWND m_hWnd;
    HDC m_hDC;
};

class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(HWND hWnd) : CClientDC(hWnd, GetWindowDC(hWnd)) {}
};

// A memory device context compatible with hTarget holding a cx x cy bitmap.
class COffscreenBuffer {
public:
    COffscreenBuffer(HDC hTarget, int cx, int cy);
    ~COffscreenBuffer();
    COffscreenBuffer(const COffscreenBuffer&) = delete;
    COffscreenBuffer& operator=(const COffscreenBuffer&) = delete;

    operator HDC() const { return m_hDC; }
    BOOL IsValid() const { return m_hDC && m_bitmap.GetSafeHandle(); }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // One SRCCOPY transfer of (xSrc, ySrc, cx, cy) of the buffer to (x, y) of hTarget.
    BOOL CopyTo(HDC hTarget, int x, int y, int cx, int cy, int xSrc = 0, int ySrc = 0) const;
    // The whole buffer to (x, y).
    BOOL CopyTo(HDC hTarget, int x = 0, int y = 0) const { return CopyTo(hTarget, x, y, m_cx, m_cy); }

private:
    HDC m_hDC;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = NULL;
    int m_cx, m_cy;
};

#endif
