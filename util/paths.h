#ifndef UTIL_PATHS_H
#define UTIL_PATHS_H

// Paths beside the running executable, and the small file-system checks the start-up
// sequence needs. Every data and skin file is addressed relative to the executable.

#include "framework/cstring.h"

// Full file name of the running module, however long.
CString GetModulePath();
// The executable's folder, with its trailing "\".
CString GetExeDirectory();
// The executable's folder followed by strRelative, separators as they stand.
CString GetFullPath(CString strRelative);
CString GetConfigFilePath();
CString GetUpdaterPath();
// The client's uninstaller beside the updater.
CString GetUninstallerPath();

BOOL IsDirectoryExist(CString strPath);
BOOL IsFileExist(CString strPath);
BOOL CreateDir(CString strPath);
// Creates or empties the file; always TRUE.
BOOL CreateEmptyFile(CString strPath);

#endif
