#ifndef FRAMEWORK_PRINTINFO_H
#define FRAMEWORK_PRINTINFO_H
// One print job of a view: the print dialog's record (whose hDC is the printer's once
// the job is prepared), the pages to print and the page being printed.
#include <windows.h>
#include <commdlg.h>

struct CPrintInfo {
    CPrintInfo()
    {
        m_pd.lStructSize = sizeof(m_pd);
        m_pd.nMinPage = m_pd.nFromPage = 1;
        m_pd.nMaxPage = m_pd.nToPage = 1;
    }
    // The printer's device context is the job's; the printer choice is the application's.
    ~CPrintInfo()
    {
        if (m_pd.hDC)
            DeleteDC(m_pd.hDC);
    }
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    UINT GetFromPage() const { return (m_pd.Flags & PD_PAGENUMS) ? m_pd.nFromPage : m_pd.nMinPage; }
    UINT GetToPage() const { return (m_pd.Flags & PD_PAGENUMS) ? m_pd.nToPage : m_pd.nMaxPage; }

    PRINTDLGA m_pd = {};
    // No dialog: the printer chosen last (print set-up), else the default one.
    BOOL m_bDirect = FALSE;
    // Preview: no dialog either; the pages go to the screen.
    BOOL m_bPreview = FALSE;
    UINT m_nCurPage = 1;
};

#endif
