#include "tests/support/windowfinder.h"

#include "tests/support/wait.h"

#include <cstring>

namespace {

struct CSearch {
    const CWindowQuery* pQuery;
    std::vector<HWND> found;
};

bool Matches(HWND hWnd, const CWindowQuery& query)
{
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hWnd, &dwProcess);
    return (!query.dwProcessId || dwProcess == query.dwProcessId) && (!query.bVisible || IsWindowVisible(hWnd)) &&
           (!query.pszClass || HasClass(hWnd, query.pszClass)) &&
           (!query.pszTitle || WindowText(hWnd) == query.pszTitle) && (!query.match || query.match(hWnd));
}

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CSearch*>(lParam);
    if (Matches(hWnd, *pSearch->pQuery))
        pSearch->found.push_back(hWnd);
    return TRUE;
}

} // namespace

std::vector<HWND> FindTopWindows(const CWindowQuery& query)
{
    CSearch search{&query, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(const CWindowQuery& query)
{
    std::vector<HWND> found = FindTopWindows(query);
    return found.empty() ? NULL : found.front();
}

HWND WaitForTopWindow(const CWindowQuery& query, DWORD dwTimeoutMs, DWORD dwPollMs)
{
    HWND hFound = NULL;
    WaitUntil([&] { return (hFound = FindTopWindow(query)) != NULL; }, dwTimeoutMs, dwPollMs);
    return hFound;
}

bool HasClass(HWND hWnd, const char* pszClass)
{
    char szClass[256] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    return strcmp(szClass, pszClass) == 0;
}

bool IsDialogWindow(HWND hWnd)
{
    return HasClass(hWnd, "#32770");
}

std::string WindowText(HWND hWnd)
{
    char szText[512] = "";
    GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

namespace {

// Wine shows tray icons as windows of its X11 driver's tray.
BOOL CALLBACK CountIconChild(HWND hChild, LPARAM lCount)
{
    if (HasClass(hChild, "__winex11_tray_icon"))
        ++*reinterpret_cast<int*>(lCount);
    return TRUE;
}

} // namespace

int CountTrayIcons()
{
    int nCount = 0;
    for (HWND hWnd : FindTopWindows(CWindowQuery()))
        EnumChildWindows(hWnd, CountIconChild, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}
