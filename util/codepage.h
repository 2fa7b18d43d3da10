#ifndef UTIL_CODEPAGE_H
#define UTIL_CODEPAGE_H

// Conversions at the service boundary: the user interface keeps text in the ANSI
// code page, the service speaks UTF-8. Both convert in place and run on any thread.

#include "framework/cstring.h"

void AnsiToUtf8(CString& strText);
void Utf8ToAnsi(CString& strText);

#endif
