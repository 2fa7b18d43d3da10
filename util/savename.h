#ifndef UTIL_SAVENAME_H
#define UTIL_SAVENAME_H

// The file name a save dialog proposes for a download address.

#include "framework/cstring.h"

// What follows the address's last "/", "\" or ":", made fit for a file name: characters
// that Windows forbids in names become "_", trailing dots and blanks go. A server-chosen
// address thus names a file only, never a folder ("..\..\x.apk" and "C:\Users\x.exe"
// propose "x.apk" and "x.exe"), and never a device. pszDefault when the address has no
// "/" after its first character, or names a device ("nul.apk", "COM1"); empty when
// nothing is left of the name ("http://h/files/", "http://h/..").
CString ProposedSaveName(const CString& strUrl, const char* pszDefault);

#endif
