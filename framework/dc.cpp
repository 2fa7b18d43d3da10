#include "framework/dc.h"

COffscreenBuffer::COffscreenBuffer(HDC hTarget, int cx, int cy)
    : m_hDC(CreateCompatibleDC(hTarget)), m_cx(cx > 0 ? cx : 0), m_cy(cy > 0 ? cy : 0)
{
    // A bitmap of 0 x 0 is refused: the buffer is then left without one and copies nothing.
    if (m_hDC && m_cx > 0 && m_cy > 0 && m_bitmap.CreateCompatibleBitmap(hTarget, m_cx, m_cy))
        m_hOldBitmap = SelectObject(m_hDC, m_bitmap);
}

COffscreenBuffer::~COffscreenBuffer()
{
    if (m_hOldBitmap)
        SelectObject(m_hDC, m_hOldBitmap);
    if (m_hDC)
        DeleteDC(m_hDC);
    // m_bitmap is deleted after the context let go of it.
}

BOOL COffscreenBuffer::CopyTo(HDC hTarget, int x, int y, int cx, int cy, int xSrc, int ySrc) const
{
    return IsValid() && hTarget && BitBlt(hTarget, x, y, cx, cy, m_hDC, xSrc, ySrc, SRCCOPY);
}
