#include "net/downloadtransfer.h"

#include "framework/messagebox.h"
#include "framework/parseurl.h"
#include "net/contentlength.h"
#include "net/downloadfile.h"
#include "net/httpsocket.h"

#include <algorithm>
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

// Receives the body into the file, block by block; the number of bytes received. No
// block asks for more than is still due: what a server sends beyond its size is no part
// of the file.
long long ReceiveBody(CHttpSocket& http, CDownloadFile& file, long long nTotal, const DownloadProgressFn& onProgress)
{
    char block[kBlockSize];
    long long nReceived = 0;
    while (nReceived < nTotal) {
        long nGot = http.Receive(block, static_cast<long>(std::min<long long>(kBlockSize, nTotal - nReceived)));
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
bool Transfer(const CDownloadRequest& request, CHttpSocket& http, std::string& server, CDownloadFile& file,
              const DownloadProgressFn& onProgress)
{
    if (!OpenTransfer(http, server, request.nReceiveTimeoutMs))
        return false;
    // A failed status, a cut header, a framing the client cannot read or no size: the
    // body is not the file.
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
    CDownloadFile file(request.strFilePath);
    if (!file.Open(request.nShareMode)) {
        AfxMessageBox(CString("无法创建文件: ") + request.strFilePath);
        return DOWNLOAD_NO_FILE;
    }
    bool bComplete = Transfer(request, http, server, file, onProgress);
    http.CloseSocket();
    if (!bComplete)
        return DOWNLOAD_INCOMPLETE;
    if (!file.Commit()) {
        AfxMessageBox(CString("无法保存文件: ") + request.strFilePath);
        return DOWNLOAD_INCOMPLETE;
    }
    return DOWNLOAD_COMPLETE;
}

int DownloadPercent(long long nReceived, long long nTotal)
{
    return static_cast<int>(nReceived * 100 / nTotal);
}
