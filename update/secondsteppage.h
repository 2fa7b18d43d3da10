#ifndef UPDATE_SECONDSTEPPAGE_H
#define UPDATE_SECONDSTEPPAGE_H
// The wizard's second page: its activation starts the installer download worker, whose
// progress the bar shows. One download at a time, and none once the installer arrived:
// coming back to the page then shows where the download stands. Finish is offered only
// once a download arrived whole; after a failure the worker's box has told the user, and
// Back then Next tries again.
#include "framework/progressctrl.h"
#include "framework/propsheet.h"

#include <memory>

class CSecondStepPage : public CPropertyPage {
    DECLARE_DYNAMIC(CSecondStepPage)
public:
    CSecondStepPage();
    BOOL OnSetActive() override;
    // The version reply's "downurl".
    CString GetDownUrl() const;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    struct CHandleCloser {
        void operator()(HANDLE hHandle) const { CloseHandle(hHandle); }
    };

    void StartDownload();
    bool IsDownloading() const;
    LRESULT OnInstallerProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnInstallerDownloaded(WPARAM wParam, LPARAM lParam);
    CProgressCtrl m_progressDownload;
    // The thread of the download running now; none before the first, and none once the
    // worker has reported its end.
    std::unique_ptr<void, CHandleCloser> m_worker;
    int m_nPercent = 0; // the progress of the last download started
    bool m_bInstallerArrived = false;
};

#endif
