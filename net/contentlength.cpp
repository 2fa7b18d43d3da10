#include "net/contentlength.h"

#include "framework/trace.h"
#include "net/httpsocket.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

const char kLengthName[] = "Content-Length";
const char kEncodingName[] = "Transfer-Encoding";
const char kLineEnd[] = "\r\n";
// A size beyond this is no real file, and its percentages would overflow 64 bits.
const long long kMaxLength = 1000000000000000LL;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// A piece of the header, [pBegin, pEnd).
struct CText {
    const char* pBegin;
    const char* pEnd;
    ptrdiff_t Length() const { return pEnd - pBegin; }
};

// The header's lines without their CR LF, the status line first; the empty line that
// ends the header is none of them. The header ends in CR LF CR LF.
std::vector<CText> LinesOf(const char* pszHeader, int nLength)
{
    std::vector<CText> lines;
    const char* pEnd = pszHeader + nLength - 2;
    for (const char* p = pszHeader; p < pEnd;) {
        const char* pNext = std::search(p, pEnd, kLineEnd, kLineEnd + 2);
        lines.push_back({p, pNext});
        p = pNext + 2;
    }
    return lines;
}

// The status code of a status line "HTTP/1.<digit> <three digits>", which then ends or
// goes on after a blank; -1 for any other line.
int StatusOf(const CText& line)
{
    const char* p = line.pBegin;
    bool bStatusLine = line.Length() >= 12 && memcmp(p, "HTTP/1.", 7) == 0 && IsDigit(p[7]) && p[8] == ' ' &&
                       IsDigit(p[9]) && IsDigit(p[10]) && IsDigit(p[11]) && (line.Length() == 12 || p[12] == ' ');
    return bStatusLine ? (p[9] - '0') * 100 + (p[10] - '0') * 10 + (p[11] - '0') : -1;
}

// The value of a field line named pszName in any case, without the blanks around it;
// false for a line of another name ("X-Content-Length" is not "Content-Length").
bool FieldValue(const CText& line, const char* pszName, CText& value)
{
    const ptrdiff_t nName = static_cast<ptrdiff_t>(strlen(pszName));
    if (line.Length() <= nName || _strnicmp(line.pBegin, pszName, nName) != 0 || line.pBegin[nName] != ':')
        return false;
    value = {line.pBegin + nName + 1, line.pEnd};
    while (value.pBegin < value.pEnd && IsBlank(*value.pBegin))
        ++value.pBegin;
    while (value.pEnd > value.pBegin && IsBlank(value.pEnd[-1]))
        --value.pEnd;
    return true;
}

// A size: a positive decimal number up to 10^15; 0 for any other value.
long long SizeOf(const CText& value)
{
    long long nSize = 0;
    for (const char* p = value.pBegin; p < value.pEnd; ++p) {
        if (!IsDigit(*p))
            return 0;
        nSize = nSize * 10 + (*p - '0');
        if (nSize > kMaxLength)
            return 0;
    }
    return nSize;
}

bool IsIdentity(const CText& value)
{
    return value.Length() == 8 && _strnicmp(value.pBegin, "identity", 8) == 0;
}

// The framing fields: an encoding that is not identity, or two sizes that differ, make
// the body unreadable as the file; else the size is that of the first size line.
void JudgeFraming(const std::vector<CText>& lines, CReplyHead& head)
{
    bool bEncoded = false, bTwoSizes = false;
    long long nSize = -1;
    for (size_t i = 1; i < lines.size(); ++i) {
        CText value;
        if (FieldValue(lines[i], kEncodingName, value)) {
            bEncoded = bEncoded || !IsIdentity(value);
        } else if (FieldValue(lines[i], kLengthName, value)) {
            long long nLine = SizeOf(value);
            bTwoSizes = bTwoSizes || (nSize >= 0 && nLine != nSize);
            if (nSize < 0)
                nSize = nLine;
        }
    }
    if (bEncoded)
        head.eResult = CReplyHead::ENCODED;
    else if (bTwoSizes)
        head.eResult = CReplyHead::TWO_SIZES;
    else if (nSize <= 0)
        head.eResult = CReplyHead::NO_SIZE;
    else
        head = {CReplyHead::USABLE, head.nStatus, nSize};
}

CReplyHead JudgeReplyHead(const char* pszHeader, int nLength)
{
    CReplyHead head = {CReplyHead::INCOMPLETE, -1, 0};
    // GetResponseHeader stops at the empty line or at its buffer's end: a header cut
    // there would leave its rest in the body.
    if (nLength < 4 || memcmp(pszHeader + nLength - 4, "\r\n\r\n", 4) != 0)
        return head;
    std::vector<CText> lines = LinesOf(pszHeader, nLength);
    head.nStatus = StatusOf(lines.front());
    if (head.nStatus < 0)
        return head;
    if (head.nStatus < 200 || head.nStatus > 299) {
        head.eResult = CReplyHead::BAD_STATUS;
        return head;
    }
    JudgeFraming(lines, head);
    return head;
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

// The status comes from the header's own first line, not from GetServerState, which
// reads three characters at a fixed place whatever the line holds.
CReplyHead ReadReplyHead(CHttpSocket& http)
{
    TraceLines(http);
    int nHeader = 0;
    const char* pszHeader = http.GetResponseHeader(nHeader);
    CReplyHead head = JudgeReplyHead(pszHeader, nHeader);
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
    case CReplyHead::ENCODED:
        strText = "服务器回复的传输编码无法读取。";
        break;
    case CReplyHead::TWO_SIZES:
        strText.Format("服务器给出了%s的两个不同大小。", pszWhat);
        break;
    case CReplyHead::NO_SIZE:
        strText.Format("服务器没有给出%s的大小。", pszWhat);
        break;
    case CReplyHead::USABLE:
        break;
    }
    return strText;
}
