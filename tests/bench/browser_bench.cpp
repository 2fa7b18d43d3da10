// The browser view's navigation hook with many URL-cache entries and cache files, and a
// download through the status bar; run by hand (see the README).
// Usage: browser_bench hook [navigations]
//        browser_bench download URL

#include "tests/bench/benchtools.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/clientframe.h"
#include "util/downloadthread.h"
#include "util/windowmessages.h"
#include "velora/velorabrowser.h"

#include <windows.h>
#include <shlobj.h>
#include <wininet.h>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// Entries of another host, which the hook walks past and keeps.
void FillUrlCache(int nFrom, int nTo)
{
    FILETIME never = {};
    for (int n = nFrom; n < nTo; ++n) {
        std::string url = "http://cdn.example.com/img/" + std::to_string(n) + ".png";
        CommitUrlCacheEntryA(url.c_str(), NULL, never, never, NORMAL_CACHE_ENTRY, NULL, 0, NULL, NULL);
    }
}

int CountUrlCache()
{
    int nCount = 0;
    DWORD dwSize = 0;
    std::string buffer(4096, '\0');
    auto* pEntry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(&buffer[0]);
    dwSize = static_cast<DWORD>(buffer.size());
    HANDLE hFind = FindFirstUrlCacheEntryA(NULL, pEntry, &dwSize);
    for (BOOL bFound = hFind != NULL; bFound; ++nCount) {
        dwSize = static_cast<DWORD>(buffer.size());
        bFound = FindNextUrlCacheEntryA(hFind, pEntry, &dwSize);
    }
    if (hFind)
        FindCloseUrlCache(hFind);
    return nCount;
}

void FillCacheFolder(const std::string& folder, int nFiles)
{
    for (int n = 0; n < nFiles; ++n) {
        std::string sub = folder + "\\bench" + std::to_string(n % 10);
        CreateDirectoryA(sub.c_str(), NULL);
        HANDLE hFile = CreateFileA((sub + "\\" + std::to_string(n) + ".htm").c_str(), GENERIC_WRITE, 0, NULL,
                                   CREATE_ALWAYS, 0, NULL);
        DWORD dwWritten = 0;
        WriteFile(hFile, "<html></html>", 13, &dwWritten, NULL);
        CloseHandle(hFile);
    }
}

// One navigation as the browser makes it: the hook cancels it and posts its repetition,
// then passes the repetition, which carries the client's header.
double NavigationMs(CVeloraBrowser* pView, const char* pszUrl)
{
    CByteArray post;
    BOOL bCancel = FALSE;
    double dStart = Now();
    pView->OnBeforeNavigate2(pView->GetBrowser(), pszUrl, 0, "", post, "", &bCancel);
    pView->OnBeforeNavigate2(pView->GetBrowser(), pszUrl, 0, "", post, "User-Agent:PC", &bCancel);
    double dMs = (Now() - dStart) * 1000;
    MSG msg;
    while (PeekMessageA(&msg, pView->m_hWnd, WM_DEFERRED_NAVIGATE, WM_DEFERRED_NAVIGATE, PM_REMOVE))
        delete reinterpret_cast<CNavigateParams*>(msg.wParam);
    return dMs;
}

// Each configuration is measured over nNavigations navigations (a tenth of them, at
// least 3, with 10,000 entries: each takes seconds under Wine).
int BenchHook(int nNavigations)
{
    auto* pView = dynamic_cast<CVeloraBrowser*>(ClientFrame()->m_wndSplitter.GetPane(0, 1));
    char szCache[MAX_PATH] = "";
    if (!pView || !SHGetSpecialFolderPathA(NULL, szCache, CSIDL_INTERNET_CACHE, TRUE))
        return 1;
    const int entryCounts[] = {0, 1000, 10000};
    const int fileCounts[] = {0, 1000};
    int nEntries = 0;
    for (int nEntryCount : entryCounts) {
        FillUrlCache(nEntries, nEntryCount);
        nEntries = nEntryCount;
        int nRuns = nEntryCount >= 10000 ? std::max(3, nNavigations / 10) : nNavigations;
        for (int nFiles : fileCounts) {
            double dTotal = 0;
            for (int i = 0; i < nRuns; ++i) {
                FillCacheFolder(szCache, nFiles);
                dTotal += NavigationMs(pView, "http://127.0.0.1/pages/p.aspx");
            }
            printf("%6d URL-cache entries (%6d in the cache), %5d cache files: %8.2f ms per navigation\n", nEntryCount,
                   CountUrlCache(), nFiles, dTotal / nRuns);
        }
    }
    return 0;
}

// Counts the transfers the bar has been told of, before it shows anything for them.
WNDPROC g_pfnBar = NULL;
double g_dDoneAt = 0;

LRESULT CALLBACK BarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DOWNLOAD_DONE)
        g_dDoneAt = Now();
    return CallWindowProcA(g_pfnBar, hWnd, message, wParam, lParam);
}

int BenchDownload(const char* pszUrl)
{
    HWND hBar = ClientFrame()->m_wndStatusBar.m_hWnd;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    std::string path = std::string(szTemp) + "velora-bench-download.bin";
    g_pfnBar = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarProc)));
    CBoxAnswerer answerer; // the completion box
    // What the bar does once the save dialog is answered.
    double dStart = Now();
    if (!StartDownload(pszUrl, path.c_str(), hBar))
        return 1;
    PumpUntil([] { return g_dDoneAt != 0; }, 600000);
    double dSeconds = g_dDoneAt - dStart;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    double dBytes = double(data.nFileSizeLow) + double(data.nFileSizeHigh) * 4294967296.0;
    printf("status bar download: %.0f bytes in %.2f s = %.1f MB/s\n", dBytes, dSeconds, dBytes / dSeconds / 1048576.0);
    PumpFor(1000);
    DeleteFileA(path.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (!ClientFrame()) {
        fprintf(stderr, "no client frame\n");
        return 1;
    }
    if (mode == "hook")
        return BenchHook(argc > 2 ? atoi(argv[2]) : 20);
    if (mode == "download" && argc > 2)
        return BenchDownload(argv[2]);
    fprintf(stderr, "usage: browser_bench hook [navigations] | download URL\n");
    return 2;
}
