#ifndef UTIL_SAVENAME_H
#define UTIL_SAVENAME_H

// The file name a save dialog proposes for a download address.

#include "framework/cstring.h"

// What follows the address's last "/", "\" or ":" when that lies after its first
// character; pszDefault when there is none, or when nothing but dots follows it. A
// server-chosen address thus names a file only, never a folder ("..\..\x.apk" and
// "C:\Users\x.exe" propose "x.apk" and "x.exe").
CString ProposedSaveName(const CString& strUrl, const char* pszDefault);

#endif
