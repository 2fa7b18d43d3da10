#include "ctrl/velofiledialog.h"

namespace {

const WORD kTemplateId = 146;

} // namespace

CVeloFileDialog::CVeloFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                                 const char* lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd, 0, TRUE)
{
    m_ofn.hInstance = GetModuleHandleA(NULL);
    m_ofn.lpTemplateName = MAKEINTRESOURCEA(kTemplateId);
}

CVeloFileDialog::CVeloFileDialog() : CVeloFileDialog(FALSE)
{
}
