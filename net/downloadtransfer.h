#ifndef NET_DOWNLOADTRANSFER_H
#define NET_DOWNLOADTRANSFER_H

// One download: a GET of an address on port 80 whose body goes into a file, with the
// boxes that say why a download did not finish. Both download workers run it on their own
// threads and turn its progress and its end into their own window messages.

#include "framework/cstring.h"

#include <windows.h>
#include <functional>

// How long one receive may wait before the transfer gives up.
const int kDownloadReceiveTimeoutMs = 10000;

struct CDownloadRequest {
    CString strUrl;      // its own port is not used: downloads go to port 80
    CString strFilePath; // replaced only by a whole body; left as it was otherwise
    UINT nShareMode;     // CFile share flag the body's file is held with while it is written
    CString strFailure;  // starts the box of an unusable reply ("下载失败：")
    CString strWhat;     // what the file is, in that box ("文件")
    int nReceiveTimeoutMs = kDownloadReceiveTimeoutMs;
};

// Called after each block is written to the file; false stops the transfer without a box.
typedef std::function<bool(long long nReceived, long long nTotal)> DownloadProgressFn;

// The whole percentage of nTotal that nReceived is, rounded down. Counted in 64 bits:
// nReceived * 100 passes 32 bits from 21,474,837 bytes on.
int DownloadPercent(long long nReceived, long long nTotal);

enum EDownloadEnd {
    DOWNLOAD_BAD_URL,    // unparsable address, or a request too long for its buffer: box, nothing else
    DOWNLOAD_NO_FILE,    // the file cannot be written: box, no request
    DOWNLOAD_INCOMPLETE, // no connection, an unusable reply, less than its size arrived or the
                         // file could not be replaced; a box has said why, unless the
                         // progress callback stopped it
    DOWNLOAD_COMPLETE    // the whole size arrived and is the file now
};

// Runs the whole transfer on the calling thread; the socket is closed when it returns,
// and the file is either the whole body or as it was before.
EDownloadEnd RunDownload(const CDownloadRequest& request, const DownloadProgressFn& onProgress);

#endif
