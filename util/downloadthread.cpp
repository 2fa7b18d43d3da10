#include "util/downloadthread.h"

#include "framework/file.h"
#include "framework/messagebox.h"
#include "framework/parseurl.h"
#include "framework/thread.h"
#include "framework/trace.h"
#include "net/contentlength.h"
#include "net/httpsocket.h"
#include "util/windowmessages.h"

#include <memory>
#include <string>

namespace {

const int kBlockSize = 1024;
const int kReceiveTimeoutMs = 10000;

// Sends the request and reads the response header. The receive time-out is set before
// the header is read, so a server that accepts and never answers cannot hold the worker.
// false when a socket call failed: the download client has shown its box then.
bool OpenTransfer(CHttpSocket& http, std::string& strServer)
{
    return http.Socket() && http.SetTimeout(kReceiveTimeoutMs, 0) && http.Connect(&strServer[0], 80) &&
           http.SendRequest(NULL, 0);
}

// Receives the body into the file; the number of bytes received.
long long ReceiveBody(CHttpSocket& http, CFile& file, long long nExpected, HWND hWnd)
{
    char block[kBlockSize];
    long long nReceived = 0;
    CString strProgress;
    while (nReceived < nExpected) {
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
        long long nPercent = nReceived * 100 / nExpected;
        strProgress.Format("%lld%%", nPercent);
        SendMessage(hWnd, WM_DOWNLOAD_PROGRESS, 0, reinterpret_cast<LPARAM>(strProgress.GetString()));
    }
    return nReceived;
}

bool Download(const CDownloadJob& job)
{
    DWORD dwService = 0;
    CString strServer, strObject;
    unsigned short nPort = 0;
    CHttpSocket http;
    long nLength = 0;
    std::string server, object;
    if (AfxParseURL(job.strUrl, dwService, strServer, strObject, nPort)) {
        server = strServer.Str();
        object = strObject.Str();
    }
    // A request that does not fit its buffer is as unusable as an unparsable URL.
    if (server.empty() || !http.FormatRequestHeader(&server[0], &object[0], nLength, NULL, NULL, 0, 0, 0)) {
        AfxMessageBox("无法解析的URL地址");
        return false;
    }
    CFile file;
    file.Open(job.strFilePath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite);
    long long nExpected = 0, nReceived = 0;
    if (!file.IsOpen()) {
        CString strText = CString("无法创建文件: ") + job.strFilePath;
        AfxMessageBox(strText);
    } else if (OpenTransfer(http, server)) {
        // A failed status, a cut header or no size: the body is not the file.
        CReplyHead head = ReadReplyHead(http);
        if (head.eResult == CReplyHead::USABLE) {
            nExpected = head.nLength;
            nReceived = ReceiveBody(http, file, nExpected, job.hWnd);
        } else {
            AfxMessageBox(CString("下载失败：") + DescribeReplyHead(head, "文件"));
        }
    }
    http.CloseSocket();
    file.Close();
    bool bComplete = nExpected > 0 && nReceived >= nExpected;
    SendMessage(job.hWnd, WM_DOWNLOAD_DONE, bComplete ? 0 : 1, 0);
    return true;
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

DWORD StartDownload(const CString& strUrl, const CString& strFilePath, HWND hWnd)
{
    CDownloadJob* pJob = new CDownloadJob{strUrl, strFilePath, hWnd};
    DWORD dwThreadId = AfxBeginThread(DownloadThreadProc, pJob);
    if (!dwThreadId)
        delete pJob;
    return dwThreadId;
}
