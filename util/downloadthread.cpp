#include "util/downloadthread.h"

#include "framework/file.h"
#include "framework/thread.h"
#include "framework/trace.h"
#include "util/windowmessages.h"

#include <memory>

namespace {

// One WM_DOWNLOAD_PROGRESS a block, its lParam the percentage as text ("40%").
bool SendProgress(HWND hWnd, long long nReceived, long long nTotal)
{
    CString strProgress;
    strProgress.Format("%d%%", DownloadPercent(nReceived, nTotal));
    SendMessage(hWnd, WM_DOWNLOAD_PROGRESS, 0, reinterpret_cast<LPARAM>(strProgress.GetString()));
    return true;
}

void Download(const CDownloadJob& job)
{
    CDownloadRequest request{job.strUrl,   job.strFilePath, CFile::shareDenyWrite,
                             "下载失败：", "文件",          job.nReceiveTimeoutMs};
    EDownloadEnd end = RunDownload(
        request, [&job](long long nReceived, long long nTotal) { return SendProgress(job.hWnd, nReceived, nTotal); });
    if (end != DOWNLOAD_BAD_URL)
        SendMessage(job.hWnd, WM_DOWNLOAD_DONE, end == DOWNLOAD_COMPLETE ? 0 : 1, 0);
}

} // namespace

UINT DownloadThreadProc(LPVOID pParam)
{
    std::unique_ptr<CDownloadJob> job(static_cast<CDownloadJob*>(pParam));
    if (!job)
        return 0;
    TRACE("\n\nxxxxxx>download url: %s\n", job->strUrl.GetString());
    TRACE("==> %s\n", job->strFilePath.GetString());
    Download(*job);
    return 0;
}

DWORD StartDownload(const CString& strUrl, const CString& strFilePath, HWND hWnd, int nReceiveTimeoutMs)
{
    CDownloadJob* pJob = new CDownloadJob{strUrl, strFilePath, hWnd, nReceiveTimeoutMs};
    DWORD dwThreadId = AfxBeginThread(DownloadThreadProc, pJob);
    if (!dwThreadId)
        delete pJob;
    return dwThreadId;
}
