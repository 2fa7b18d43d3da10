#ifndef UPDATE_SECONDSTEPPAGE_H
#define UPDATE_SECONDSTEPPAGE_H
// The wizard's second page: each activation starts one installer download worker, whose
// progress the bar shows. Finish is offered only once a download arrived whole; after a
// failure the worker's box has told the user, and Back then Next tries again.
#include "framework/progressctrl.h"
#include "framework/propsheet.h"

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
    LRESULT OnInstallerProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnInstallerDownloaded(WPARAM wParam, LPARAM lParam);
    CProgressCtrl m_progressDownload;
};

#endif
