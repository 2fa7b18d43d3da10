#ifndef VELORA_CUSTOMSTATUSBAR_H
#define VELORA_CUSTOMSTATUSBAR_H
// The main frame's status bar: a blue strip showing the client's version, and the
// client's download front end. A page's download request (WM_DOWNLOAD_START) asks the
// user where to save the file and starts the download worker, whose progress the bar
// paints in a box at its right end (outside the paint cycle: the next paint removes
// it) and whose complete transfer it announces.
#include "framework/statusbar.h"

class CCustomStatusBar : public CStatusBar {
    DECLARE_DYNAMIC(CCustomStatusBar)
public:
    CCustomStatusBar() = default;
    ~CCustomStatusBar() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The address of the last request (NULL before the first) and the file chosen for it.
    const char* GetDownloadUrl() const { return m_pszDownloadUrl; }
    const CString& GetDownloadPath() const { return m_strDownloadPath; }
    // The name the save dialog offers for an address (ProposedSaveName), with "velora"
    // as the default name.
    static CString DefaultFileName(const char* pszUrl);

protected:
    void OnPaint() override;

private:
    // pszUrl: a heap array the bar takes over.
    LRESULT OnDownloadRequest(char* pszUrl);
    LRESULT OnDownloadProgress(const char* pszProgress);
    LRESULT OnDownloadFinished(WPARAM wParam);

    char* m_pszDownloadUrl = NULL;
    CString m_strDownloadPath;
    // The progress text on the screen now; empty when no box is shown.
    CString m_strShownProgress;
};

#endif
