#include "net/contentlength.h"

#include "framework/trace.h"
#include "net/httpsocket.h"

#include <cstddef>
#include <cstring>

namespace {

const char kName[] = "Content-Length";
// A size beyond this is no real file, and its percentages would overflow 64 bits.
const long long kMaxLength = 1000000000000000LL;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// The value of one header line [pLine, pEnd) that ends in CR LF, when it is the size
// line; -1 when it is another line, 0 when its value is no usable size.
long long SizeOfLine(const char* pLine, const char* pEnd)
{
    const ptrdiff_t nName = sizeof(kName) - 1;
    if (pEnd - pLine <= nName || _strnicmp(pLine, kName, nName) != 0 || pLine[nName] != ':')
        return -1;
    const char* p = pLine + nName + 1;
    while (p < pEnd && IsBlank(*p))
        ++p;
    long long nValue = 0;
    const char* pDigits = p;
    for (; p < pEnd && *p >= '0' && *p <= '9'; ++p) {
        nValue = nValue * 10 + (*p - '0');
        if (nValue > kMaxLength)
            return 0;
    }
    while (p < pEnd && IsBlank(*p))
        ++p;
    bool bWhole = p > pDigits && pEnd - p == 2 && p[0] == '\r' && p[1] == '\n';
    return bWhole ? nValue : 0;
}

void TraceLines(CHttpSocket& http)
{
    char szLine[256];
    int nLine;
    while ((nLine = http.GetResponseLine(szLine, sizeof(szLine) - 1)) != -1) {
        szLine[nLine] = '\0';
        TRACE("==> %s", szLine);
    }
}

} // namespace

long long ContentLengthOf(const char* pszHeader, int nLength)
{
    const char* pEnd = pszHeader + (nLength > 0 ? nLength : 0);
    // The status line is no field: fields start after the first line feed.
    const char* pLine = static_cast<const char*>(memchr(pszHeader, '\n', pEnd - pszHeader));
    while (pLine && ++pLine < pEnd) {
        const char* pNext = static_cast<const char*>(memchr(pLine, '\n', pEnd - pLine));
        if (!pNext)
            break;
        long long nSize = SizeOfLine(pLine, pNext + 1);
        if (nSize >= 0)
            return nSize;
        pLine = pNext;
    }
    return 0;
}

CReplyHead ReadReplyHead(CHttpSocket& http)
{
    TraceLines(http);
    int nHeader = 0;
    const char* pszHeader = http.GetResponseHeader(nHeader);
    CReplyHead head = {CReplyHead::INCOMPLETE, http.GetServerState(), 0};
    // GetResponseHeader stops at the empty line or at its buffer's end: a header cut
    // there would leave its rest in the body.
    if (nHeader < 4 || memcmp(pszHeader + nHeader - 4, "\r\n\r\n", 4) != 0)
        return head;
    if (head.nStatus < 200 || head.nStatus > 299) {
        head.eResult = CReplyHead::BAD_STATUS;
        return head;
    }
    head.nLength = ContentLengthOf(pszHeader, nHeader);
    head.eResult = head.nLength > 0 ? CReplyHead::USABLE : CReplyHead::NO_SIZE;
    TRACE("==>File Size:%lld\n", head.nLength);
    return head;
}

CString DescribeReplyHead(const CReplyHead& head, const char* pszWhat)
{
    CString strText;
    switch (head.eResult) {
    case CReplyHead::INCOMPLETE:
        strText = "服务器的回复头不完整。";
        break;
    case CReplyHead::BAD_STATUS:
        strText.Format("服务器回复状态 %d。", head.nStatus);
        break;
    case CReplyHead::NO_SIZE:
        strText.Format("服务器没有给出%s的大小。", pszWhat);
        break;
    case CReplyHead::USABLE:
        break;
    }
    return strText;
}
