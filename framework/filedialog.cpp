#include "framework/filedialog.h"

#include "framework/winapp.h"
#include "framework/wnd.h"

namespace {

// Room for a long path with its terminator.
const size_t kFileBufferSize = 32768;

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd, DWORD, BOOL bVistaStyle)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""), m_fileBuffer(kFileBufferSize, '\0')
{
    if (lpszFileName)
        m_fileBuffer.replace(0, strnlen(lpszFileName, kFileBufferSize - 1), lpszFileName,
                             strnlen(lpszFileName, kFileBufferSize - 1));
    // The system wants the filter's pairs separated by zero bytes.
    if (lpszFilter) {
        m_strFilter = lpszFilter;
        for (char& ch : m_strFilter)
            if (ch == '|')
                ch = '\0';
        m_strFilter += '\0';
    }
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : NULL;
    m_ofn.Flags = dwFlags | (bVistaStyle ? OFN_EXPLORER : 0) | OFN_ENABLESIZING;
    m_ofn.lpstrDefExt = m_strDefExt.empty() ? NULL : m_strDefExt.c_str();
    m_ofn.lpstrFilter = m_strFilter.empty() ? NULL : m_strFilter.c_str();
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.lpstrFile = &m_fileBuffer[0];
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    // Without a parent the dialog belongs to the main window on the UI thread, which it
    // disables while it runs; a worker's dialog stays without an owner.
    HWND hGivenOwner = m_ofn.hwndOwner;
    if (!hGivenOwner)
        m_ofn.hwndOwner = AfxGetModalOwner();
    HWND hOwner = m_ofn.hwndOwner;
    BOOL bOwnerEnabled = hOwner && IsWindowEnabled(hOwner);
    BOOL bChosen = m_bOpenFileDialog ? GetOpenFileNameA(&m_ofn) : GetSaveFileNameA(&m_ofn);
    m_ofn.hwndOwner = hGivenOwner;
    // A dialog ended by WM_QUIT can leave its owner disabled (seen under Wine): the owner
    // is usable again as it was before, whatever ended the dialog.
    if (bOwnerEnabled && IsWindow(hOwner) && !IsWindowEnabled(hOwner))
        EnableWindow(hOwner, TRUE);
    // The application is quitting when the dialog's loop met WM_QUIT (and put it back for
    // the application's own loop): the system may then report the proposed name as
    // chosen, but no one chose it.
    MSG msg;
    if (bChosen && PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_NOREMOVE))
        return IDCANCEL;
    return bChosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_fileBuffer.c_str());
}

CString CFileDialog::GetFileName() const
{
    if (!m_ofn.lpstrFile || m_ofn.nFileOffset >= m_fileBuffer.size())
        return CString();
    return CString(m_fileBuffer.c_str() + m_ofn.nFileOffset);
}
