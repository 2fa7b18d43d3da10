#ifndef UTIL_FILEVERSION_H
#define UTIL_FILEVERSION_H

// The "FileVersion" text of an executable's version block: the client sends it to
// the version check and shows it in the status bar and the settings dialog.

#include "framework/cstring.h"

// pszPath NULL: the running executable. One text per translation of the block, joined;
// "None VerSion Supprot" when the file has no version block.
CString GetFileVersion(const char* pszPath);

#endif
