#ifndef TESTS_SUPPORT_WINDOWFINDER_H
#define TESTS_SUPPORT_WINDOWFINDER_H

// Finds top-level windows as a test sees them from outside: by process, class, title,
// visibility and any further test, in the system's z-order.

#include <windows.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// What a window must be to be found; what is left empty matches every window.
struct CWindowQuery {
    CWindowQuery(DWORD dwProcess = 0, const char* pszClassName = nullptr, const char* pszText = nullptr,
                 bool bVisibleOnly = false, std::function<bool(HWND)> fnMatch = nullptr)
        : dwProcessId(dwProcess), pszClass(pszClassName), pszTitle(pszText), bVisible(bVisibleOnly),
          match(std::move(fnMatch))
    {
    }
    DWORD dwProcessId; // 0: any process
    const char* pszClass;
    const char* pszTitle;
    bool bVisible; // visible windows only
    std::function<bool(HWND)> match;
};

std::vector<HWND> FindTopWindows(const CWindowQuery& query);
// The first match; NULL when there is none.
HWND FindTopWindow(const CWindowQuery& query);
// The first match once there is one; NULL on time-out.
HWND WaitForTopWindow(const CWindowQuery& query, DWORD dwTimeoutMs, DWORD dwPollMs = 20);

bool HasClass(HWND hWnd, const char* pszClass);
// A dialog box of the system's dialog class ("#32770": dialogs, message boxes, wizards).
bool IsDialogWindow(HWND hWnd);
std::string WindowText(HWND hWnd);
// The icons in the notification area, of every program.
int CountTrayIcons();

#endif
