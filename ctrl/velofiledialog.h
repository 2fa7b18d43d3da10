#ifndef CTRL_VELOFILEDIALOG_H
#define CTRL_VELOFILEDIALOG_H
// The client's file dialog: the framework's, in the newer style, naming the client's
// dialog template 146 as its custom template (used when a caller adds
// OFN_ENABLETEMPLATE).
#include "framework/filedialog.h"

class CVeloFileDialog : public CFileDialog {
public:
    CVeloFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = NULL, const char* lpszFileName = NULL,
                    DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* lpszFilter = NULL,
                    CWnd* pParentWnd = NULL);
    // A save dialog.
    CVeloFileDialog();
};

#endif
