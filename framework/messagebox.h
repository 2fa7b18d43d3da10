#ifndef FRAMEWORK_MESSAGEBOX_H
#define FRAMEWORK_MESSAGEBOX_H

#include "framework/cstring.h"
#include <windows.h>

// The application title: the caption of AfxMessageBox. "Velora" until a program sets its own.
void AfxSetAppTitle(const char* pszTitle);
CString AfxGetAppTitle();

// A modal message box captioned with the application title; the result is the button
// pressed (0 when none could be shown). Any thread may show it: on the UI thread it is
// owned by the main window, which stays disabled meanwhile; elsewhere it has no owner.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);

#endif
