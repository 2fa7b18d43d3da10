#ifndef FRAMEWORK_MESSAGEBOX_H
#define FRAMEWORK_MESSAGEBOX_H

#include "framework/cstring.h"
#include <windows.h>

// The application title: the caption of AfxMessageBox and of a window's MessageBox
// without a caption of its own. It is the program's string AFX_IDS_APP_TITLE, or the
// executable's name without its extension when the program has no such string.
// AfxSetAppTitle overrides it (NULL goes back to that default).
void AfxSetAppTitle(const char* pszTitle);
CString AfxGetAppTitle();

// A modal message box captioned with the application title; the result is the button
// pressed (0 when none could be shown). Without an icon in nType it shows the exclamation
// mark for OK and OK/Cancel, the question mark for Yes/No (and Yes/No/Cancel). Any
// thread may show it: on the UI thread it is owned by the main window, which stays
// disabled meanwhile; elsewhere it has no owner.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);

#endif
