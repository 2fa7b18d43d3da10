#include "ctrl/nonclientpaint.h"

#include "framework/dc.h"

BOOL PaintNonClientInstead(HWND hWnd, UINT message, const std::function<void(HDC)>& paint)
{
    switch (message) {
    case WM_MOVE:
    case WM_NOTIFY:
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        CWindowDC dc(hWnd);
        if (dc)
            paint(dc);
        return TRUE;
    }
    }
    return FALSE;
}
