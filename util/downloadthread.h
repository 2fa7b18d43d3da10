#ifndef UTIL_DOWNLOADTHREAD_H
#define UTIL_DOWNLOADTHREAD_H

#include "framework/cstring.h"
#include "net/downloadtransfer.h"

#include <windows.h>

// What one download worker needs, in its own copies: the worker owns and frees the
// record, so the starter may go away or start another download meanwhile.
struct CDownloadJob {
    CString strUrl;
    CString strFilePath;
    HWND hWnd; // receives WM_DOWNLOAD_PROGRESS and WM_DOWNLOAD_DONE
    int nReceiveTimeoutMs = kDownloadReceiveTimeoutMs;
};

// Worker-thread procedure: fetches pParam's URL (a heap CDownloadJob, freed here) from
// port 80 into its file, reporting progress and the end to its window by SendMessage.
// WM_DOWNLOAD_DONE carries wParam 0 when a known, non-zero size arrived whole and is the
// file now, else 1 (a box has said why, and the file is as it was).
// An unparsable URL shows a box and sends nothing.
UINT DownloadThreadProc(LPVOID pParam);

// Starts DownloadThreadProc on a framework worker thread with a new record; the
// thread id, or 0 when no thread could be started (nothing is then sent).
DWORD StartDownload(const CString& strUrl, const CString& strFilePath, HWND hWnd,
                    int nReceiveTimeoutMs = kDownloadReceiveTimeoutMs);

#endif
