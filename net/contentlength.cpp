#include "net/contentlength.h"

#include "framework/trace.h"
#include "net/httpsocket.h"

#include <climits>
#include <cstdlib>

long ReadContentLength(CHttpSocket& http)
{
    char szLine[256];
    int nLine;
    while ((nLine = http.GetResponseLine(szLine, sizeof(szLine) - 1)) != -1) {
        szLine[nLine] = '\0';
        TRACE("==> %s", szLine);
    }
    char szField[30];
    if (http.GetField("Content-Length", szField, sizeof(szField)) <= 0)
        return 0;
    long long nValue = strtoll(szField, NULL, 10);
    return nValue > 0 && nValue <= LONG_MAX ? static_cast<long>(nValue) : 0;
}
