#include "net/downloadtransfer.h"

#include "framework/file.h"
#include "framework/messagebox.h"
#include "framework/parseurl.h"
#include "net/contentlength.h"
#include "net/httpsocket.h"

#include <string>

namespace {

const int kBlockSize = 1024;

// The server and object of an address; false when the address cannot be fetched.
bool SplitUrl(const CString& strUrl, std::string& server, std::string& object)
{
    DWORD dwService = 0;
    CString strServer, strObject;
    unsigned short nPort = 0;
    if (AfxParseURL(strUrl, dwService, strServer, strObject, nPort)) {
        server = strServer.Str();
        object = strObject.Str();
    }
    return !server.empty();
}

// Connects and sends the request. The receive time-out is set before the header is read,
// so a server that accepts and never answers cannot hold the worker. false when a socket
// call failed: the download client has shown its box then.
bool OpenTransfer(CHttpSocket& http, std::string& server, int nTimeoutMs)
{
    return http.Socket() && http.SetTimeout(nTimeoutMs, 0) && http.Connect(&server[0], 80) && http.SendRequest(NULL, 0);
}

// Receives the body into the file, block by block; the number of bytes received.
long long ReceiveBody(CHttpSocket& http, CFile& file, long long nTotal, const DownloadProgressFn& onProgress)
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
        if (!onProgress(nReceived, nTotal))
            break;
    }
    return nReceived;
}

// Fetches into an open file; whether the whole size arrived.
bool Transfer(const CDownloadRequest& request, CHttpSocket& http, std::string& server, CFile& file,
              const DownloadProgressFn& onProgress)
{
    if (!OpenTransfer(http, server, request.nReceiveTimeoutMs))
        return false;
    // A failed status, a cut header or no size: the body is not the file.
    CReplyHead head = ReadReplyHead(http);
    if (head.eResult != CReplyHead::USABLE) {
        AfxMessageBox(request.strFailure + DescribeReplyHead(head, request.strWhat));
        return false;
    }
    return ReceiveBody(http, file, head.nLength, onProgress) >= head.nLength;
}

} // namespace

EDownloadEnd RunDownload(const CDownloadRequest& request, const DownloadProgressFn& onProgress)
{
    std::string server, object;
    CHttpSocket http;
    long nLength = 0;
    // A request that does not fit its buffer is as unusable as an unparsable address.
    if (!SplitUrl(request.strUrl, server, object) ||
        !http.FormatRequestHeader(&server[0], &object[0], nLength, NULL, NULL, 0, 0, 0)) {
        AfxMessageBox("无法解析的URL地址");
        return DOWNLOAD_BAD_URL;
    }
    CFile file;
    if (!file.Open(request.strFilePath, CFile::modeCreate | CFile::modeWrite | request.nShareMode)) {
        AfxMessageBox(CString("无法创建文件: ") + request.strFilePath);
        return DOWNLOAD_NO_FILE;
    }
    bool bComplete = Transfer(request, http, server, file, onProgress);
    http.CloseSocket();
    file.Close();
    return bComplete ? DOWNLOAD_COMPLETE : DOWNLOAD_INCOMPLETE;
}

int DownloadPercent(long long nReceived, long long nTotal)
{
    return static_cast<int>(nReceived * 100 / nTotal);
}
