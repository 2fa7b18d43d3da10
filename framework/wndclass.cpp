#include "framework/wndclass.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    char szName[96];
    std::snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(GetModuleHandleA(NULL)), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    static std::mutex s_lock;
    static std::set<std::string> s_names;
    std::lock_guard<std::mutex> lock(s_lock);
    auto it = s_names.find(szName);
    if (it != s_names.end())
        return it->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    // Windows of the class are attached at creation; the framework's procedure takes over
    // then. A window made outside a creation scope gets the default procedure.
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = szName;
    if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return NULL;
    return s_names.insert(szName).first->c_str();
}
