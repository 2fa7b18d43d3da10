#ifndef FRAMEWORK_RESOURCES_H
#define FRAMEWORK_RESOURCES_H
// Loading the program's own string-table and icon resources.
#include "framework/cstring.h"
#include <windows.h>

// String nID of the running module; empty when it has none.
CString AfxLoadString(UINT nID);
// Field nIndex of a string of "\n"-separated fields (empty when there are fewer).
CString AfxExtractSubString(const CString& strFull, int nIndex);
// Icon nID of the running module at the system's large size, or NULL. The system
// shares the icon: it is never destroyed.
HICON AfxLoadIcon(UINT nID);

#endif
