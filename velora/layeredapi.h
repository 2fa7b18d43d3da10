#ifndef VELORA_LAYEREDAPI_H
#define VELORA_LAYEREDAPI_H

// The two layered-window functions, looked up in "User32.DLL" at run time (systems
// without them exist). Each look-up may answer NULL: callers then go without the alpha
// effect and never call through the pointer. Tests replace the look-up to take that path.

#include <windows.h>

typedef BOOL(WINAPI* PFN_UPDATELAYEREDWINDOW)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
typedef BOOL(WINAPI* PFN_SETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

// How a function is found in a loaded module; GetProcAddress unless a test says otherwise.
typedef FARPROC(WINAPI* PFN_LAYEREDLOOKUP)(HMODULE hModule, LPCSTR pszName);

PFN_UPDATELAYEREDWINDOW LookUpUpdateLayeredWindow();
PFN_SETLAYEREDWINDOWATTRIBUTES LookUpSetLayeredWindowAttributes();

// Replaces the look-up (NULL restores GetProcAddress); returns the one before.
PFN_LAYEREDLOOKUP SetLayeredLookup(PFN_LAYEREDLOOKUP pfnLookup);

#endif
