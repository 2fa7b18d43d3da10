#include "framework/trace.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>

void AfxTrace(const char* pszFormat, ...)
{
    char szText[1024];
    va_list args;
    va_start(args, pszFormat);
    vsnprintf(szText, sizeof(szText), pszFormat, args);
    va_end(args);
    OutputDebugStringA(szText);
}

void AfxAssertFailed(const char* pszCondition, const char* pszFile, int nLine)
{
    AfxTrace("%s(%d): assertion failed: %s\n", pszFile, nLine, pszCondition);
    if (IsDebuggerPresent())
        DebugBreak();
}
