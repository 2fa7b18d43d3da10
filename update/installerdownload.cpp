#include "update/installerdownload.h"

#include "framework/file.h"
#include "framework/filedialog.h"
#include "framework/thread.h"
#include "framework/trace.h"
#include "net/downloadtransfer.h"
#include "util/savename.h"
#include "util/windowmessages.h"

#include <memory>

namespace {

// Nothing is sent once the page's window is gone; FALSE then, or when the page did not
// take the message.
BOOL SendToPage(HWND hWndPage, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsWindow(hWndPage) && SendMessageA(hWndPage, message, wParam, lParam) != 0;
}

BOOL AskForTarget(const CString& strUrl, CString& strPath)
{
    CFileDialog dialog(FALSE, "exe", ProposedInstallerName(strUrl), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "安装程序(*.exe)|*.exe|All Files (*.*)|*.*||", NULL);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strPath = dialog.GetPathName();
    TRACE("==> %s\n", strPath.GetString());
    return TRUE;
}

// One progress record a block; false when the page has gone or did not take it.
bool SendProgress(HWND hWndPage, long long nReceived, long long nTotal)
{
    int nPercent = DownloadPercent(nReceived, nTotal);
    TRACE("%d%%\n", nPercent);
    auto* pProgress = new CInstallerProgress{nTotal, nReceived, nPercent};
    if (SendToPage(hWndPage, WM_INSTALLER_PROGRESS, 0, reinterpret_cast<LPARAM>(pProgress)))
        return true;
    delete pProgress;
    return false;
}

void Download(const CInstallerJob& job)
{
    CString strPath;
    if (!AskForTarget(job.strUrl, strPath))
        return;
    CDownloadRequest request{job.strUrl, strPath, CFile::shareExclusive, "安装程序下载失败：", "安装程序"};
    EDownloadEnd end = RunDownload(request, [&job](long long nReceived, long long nTotal) {
        return SendProgress(job.hWndPage, nReceived, nTotal);
    });
    if (end == DOWNLOAD_COMPLETE || end == DOWNLOAD_INCOMPLETE)
        SendToPage(job.hWndPage, WM_INSTALLER_DOWNLOADED, end == DOWNLOAD_COMPLETE ? 0 : 1, 0);
}

} // namespace

CString ProposedInstallerName(const CString& strUrl)
{
    return ProposedSaveName(strUrl, "setup");
}

UINT DownloadInstallerThreadProc(LPVOID pParam)
{
    std::unique_ptr<CInstallerJob> job(static_cast<CInstallerJob*>(pParam));
    if (job)
        Download(*job);
    return 0;
}

DWORD StartInstallerDownload(HWND hWndPage, const CString& strUrl)
{
    auto* pJob = new CInstallerJob{hWndPage, strUrl};
    DWORD dwThreadId = AfxBeginThread(DownloadInstallerThreadProc, pJob);
    if (!dwThreadId)
        delete pJob;
    return dwThreadId;
}
