#include "update/installerdownload.h"

#include "framework/file.h"
#include "framework/filedialog.h"
#include "framework/messagebox.h"
#include "framework/parseurl.h"
#include "framework/thread.h"
#include "framework/trace.h"
#include "net/contentlength.h"
#include "net/httpsocket.h"
#include "util/savename.h"
#include "util/windowmessages.h"

#include <memory>
#include <string>

namespace {

const int kBlockSize = 1024;
const int kReceiveTimeoutMs = 10000;

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

// Connects and sends the request, then reads the response header. The time-out is set
// first, so a server that accepts and never answers cannot hold the worker. FALSE when a
// socket call failed: the download client has shown its box then.
BOOL OpenTransfer(CHttpSocket& http, std::string& strServer)
{
    // Always port 80, whatever port the address names.
    return http.Socket() && http.SetTimeout(kReceiveTimeoutMs, 0) && http.Connect(&strServer[0], 80) &&
           http.SendRequest(NULL, 0);
}

// Receives the body into the file block by block, one progress record per block; the
// number of bytes received. Stops without a word when the page has gone.
long long ReceiveBody(CHttpSocket& http, CFile& file, long long nTotal, HWND hWndPage)
{
    char block[kBlockSize];
    long long nReceived = 0;
    while (nReceived < nTotal) {
        long nGot = http.Receive(block, kBlockSize);
        if (nGot == 0) {
            AfxMessageBox("服务器已经关闭连接.");
            break;
        }
        if (nGot < 0) {
            AfxMessageBox("接收数据超时.");
            break;
        }
        if (!file.Write(block, static_cast<UINT>(nGot))) {
            AfxMessageBox("写入文件失败.");
            break;
        }
        nReceived += nGot;
        int nPercent = static_cast<int>(nReceived * 100 / nTotal);
        TRACE("%d%%\n", nPercent);
        auto* pProgress = new CInstallerProgress{nTotal, nReceived, nPercent};
        if (!SendToPage(hWndPage, WM_INSTALLER_PROGRESS, 0, reinterpret_cast<LPARAM>(pProgress))) {
            delete pProgress;
            break;
        }
    }
    return nReceived;
}

void Download(const CInstallerJob& job)
{
    CString strPath;
    if (!AskForTarget(job.strUrl, strPath))
        return;
    DWORD dwService = 0;
    CString strServer, strObject;
    unsigned short nPort = 0;
    std::string server, object;
    if (AfxParseURL(job.strUrl, dwService, strServer, strObject, nPort)) {
        server = strServer.Str();
        object = strObject.Str();
    }
    CHttpSocket http;
    long nLength = 0;
    // A request that does not fit its buffer is as unusable as an unparsable address.
    if (server.empty() || !http.FormatRequestHeader(&server[0], &object[0], nLength, NULL, NULL, 0, 0, 0)) {
        AfxMessageBox("无法解析的URL地址");
        return;
    }
    CFile file;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
        AfxMessageBox(CString("无法创建文件: ") + strPath);
        return;
    }
    long long nTotal = 0, nReceived = 0;
    if (OpenTransfer(http, server)) {
        // A failed status, a cut header or no size: the body is not the installer.
        CReplyHead head = ReadReplyHead(http);
        if (head.eResult == CReplyHead::USABLE) {
            nTotal = head.nLength;
            nReceived = ReceiveBody(http, file, nTotal, job.hWndPage);
        } else {
            AfxMessageBox(CString("安装程序下载失败：") + DescribeReplyHead(head, "安装程序"));
        }
    }
    http.CloseSocket();
    file.Close();
    BOOL bComplete = nTotal > 0 && nReceived >= nTotal;
    SendToPage(job.hWndPage, WM_INSTALLER_DOWNLOADED, bComplete ? 0 : 1, 0);
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
