#ifndef UPDATE_INSTALLERDOWNLOAD_H
#define UPDATE_INSTALLERDOWNLOAD_H
// The installer download: a worker thread that asks where to save the installer, fetches
// it with one GET on port 80 and reports to the wizard's second page.
//
// The page's window handle is the worker's only link to the page: once the wizard has
// closed, the handle is no window any more and the worker sends nothing. Messages go by
// SendMessage, so the page's handlers run on the UI thread one at a time.
#include "framework/cstring.h"

#include <windows.h>

// lParam of WM_INSTALLER_PROGRESS: made by the worker for each block, freed by the page
// when it takes it (its handler returns TRUE); the worker frees one the page never took.
struct CInstallerProgress {
    long long nTotal;    // the reply's "Content-Length"
    long long nReceived; // bytes received so far
    int nPercent;        // DownloadPercent(nReceived, nTotal)
};

// What one worker needs, in its own copies.
struct CInstallerJob {
    HWND hWndPage;
    CString strUrl;
};

// The file name the save dialog proposes for a download address (ProposedSaveName),
// with "setup" as the default name.
CString ProposedInstallerName(const CString& strUrl);

// Worker-thread procedure; pParam a heap CInstallerJob, freed here. WM_INSTALLER_DOWNLOADED
// ends every download that started (wParam 0: the whole length arrived and is the file
// now; 1: it did not, a box has said why, and the file is as it was). A cancelled save
// dialog, an unusable address and a file that cannot be written end the worker without it.
UINT DownloadInstallerThreadProc(LPVOID pParam);

// Starts one worker; its thread id, 0 when none could be started.
DWORD StartInstallerDownload(HWND hWndPage, const CString& strUrl);

#endif
