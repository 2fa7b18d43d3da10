#ifndef FRAMEWORK_FILEDIALOG_H
#define FRAMEWORK_FILEDIALOG_H
// The system's open or save dialog. It may run on any thread: a download worker asks for
// its target file itself. Shown without a parent on the UI thread, it is owned by the
// main window (AfxGetModalOwner), which stays disabled meanwhile.
#include "framework/cstring.h"

#include <windows.h>
#include <commdlg.h>
#include <string>

class CWnd;

class CFileDialog {
public:
    // lpszFilter: pairs of "shown text|pattern|", ended by an extra "|". bVistaStyle asks
    // for the newer (Explorer) style; the older one is not offered.
    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = NULL, const char* lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* lpszFilter = NULL,
                         CWnd* pParentWnd = NULL, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, IDCANCEL otherwise (also when the dialog ended
    // because the application is quitting).
    virtual INT_PTR DoModal();
    // The chosen file's full path, and its name alone.
    CString GetPathName() const;
    CString GetFileName() const;

    OPENFILENAMEA m_ofn = {};

private:
    BOOL m_bOpenFileDialog;
    std::string m_strDefExt;
    std::string m_strFilter;
    std::string m_fileBuffer;
};

#endif
