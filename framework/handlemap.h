#ifndef FRAMEWORK_HANDLEMAP_H
#define FRAMEWORK_HANDLEMAP_H
// The one permanent map from window handles to the CWnd objects attached to them.
// A window enters it when it is created (before its first message) and leaves it on
// WM_NCDESTROY. Any thread may look a window up.
#include <windows.h>

class CWnd;

class CHandleMap {
public:
    static void Add(HWND hWnd, CWnd* pWnd);
    static void Remove(HWND hWnd);
    // The attached object, or NULL.
    static CWnd* Lookup(HWND hWnd);
    static size_t GetCount();
};

#endif
