#ifndef NET_CONTENTLENGTH_H
#define NET_CONTENTLENGTH_H

// What both download workers make of a reply before its body: whether the body may be
// taken as the file, and how many bytes it has.

#include "framework/cstring.h"

class CHttpSocket;

struct CReplyHead {
    enum EResult {
        USABLE,     // a whole header, a 2xx status and a usable size
        INCOMPLETE, // no header, one that did not end within the client's buffer, or one
                    // whose first line is no status line ("HTTP/1.1 200 OK")
        BAD_STATUS, // a status outside 200..299
        ENCODED,    // a "Transfer-Encoding" other than identity: the body is not the file's bytes
        TWO_SIZES,  // two "Content-Length" lines that differ
        NO_SIZE     // no "Content-Length" line, or one without a positive number
    };
    EResult eResult;
    int nStatus;       // the status code; -1 when there is no status line
    long long nLength; // the body's size when USABLE, else 0
};

// Traces the reply's header lines and judges the reply, in the order of the results
// above. Nothing of the body is read.
CReplyHead ReadReplyHead(CHttpSocket& http);

// Why a reply is not usable, the end of a failure box's text; pszWhat names the file
// ("安装程序").
CString DescribeReplyHead(const CReplyHead& head, const char* pszWhat);

#endif
