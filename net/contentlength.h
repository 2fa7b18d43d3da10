#ifndef NET_CONTENTLENGTH_H
#define NET_CONTENTLENGTH_H

// What both download workers make of a reply before its body: whether the body may be
// taken as the file, and how many bytes it has.

#include "framework/cstring.h"

class CHttpSocket;

struct CReplyHead {
    enum EResult {
        USABLE,     // a whole header, a 2xx status and a usable size
        INCOMPLETE, // no header, or one that did not end within the client's buffer
        BAD_STATUS, // a status outside 200..299
        NO_SIZE     // no "Content-Length" line, or one without a positive number
    };
    EResult eResult;
    int nStatus;       // the status code; -1 before a header
    long long nLength; // the body's size when USABLE, else 0
};

// Traces the reply's header lines and judges the reply, in the order of the results
// above. Nothing of the body is read.
CReplyHead ReadReplyHead(CHttpSocket& http);

// The value of the first line of the header whose name is "Content-Length" in any case;
// 0 when there is none or its value is not a positive decimal number (up to 10^15).
// Other names that hold the text ("X-Content-Length") do not count.
long long ContentLengthOf(const char* pszHeader, int nLength);

// Why a reply is not usable, the end of a failure box's text; pszWhat names the file
// ("安装程序").
CString DescribeReplyHead(const CReplyHead& head, const char* pszWhat);

#endif
