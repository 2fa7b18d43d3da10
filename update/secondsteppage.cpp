#include "update/secondsteppage.h"

#include "framework/messagebox.h"
#include "update/installerdownload.h"
#include "update/resource.h"
#include "update/updateapp.h"
#include "util/windowmessages.h"

#include <memory>

IMPLEMENT_DYNAMIC(CSecondStepPage, CPropertyPage)

CSecondStepPage::CSecondStepPage() : CPropertyPage(IDD_SECOND_STEP_PAGE)
{
}

void CSecondStepPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_DOWNLOAD, m_progressDownload);
}

CString CSecondStepPage::GetDownUrl() const
{
    return CString(GetUpdateApp()->GetReply().GetDownUrl());
}

// Back and Next activate the page again: a second worker would ask again where to save
// and drive the same bar, so a download is started only when none runs and none brought
// the installer yet.
BOOL CSecondStepPage::OnSetActive()
{
    if (!m_bInstallerArrived && !IsDownloading())
        StartDownload();
    m_progressDownload.SetRange(0, 100);
    m_progressDownload.SetPos(m_nPercent);
    GetSheet()->SetWizardButtons(PSWIZB_BACK | (m_bInstallerArrived ? PSWIZB_FINISH : PSWIZB_DISABLEDFINISH));
    return CPropertyPage::OnSetActive();
}

// The worker is known by its thread, which ends without a message when the save dialog
// is cancelled; it shows that dialog first, so it is still there to be opened here.
void CSecondStepPage::StartDownload()
{
    m_nPercent = 0;
    DWORD dwThreadId = StartInstallerDownload(m_hWnd, GetDownUrl());
    m_worker.reset(dwThreadId ? OpenThread(SYNCHRONIZE, FALSE, dwThreadId) : NULL);
}

bool CSecondStepPage::IsDownloading() const
{
    return m_worker && WaitForSingleObject(m_worker.get(), 0) == WAIT_TIMEOUT;
}

LRESULT CSecondStepPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INSTALLER_PROGRESS:
        return OnInstallerProgress(wParam, lParam);
    case WM_INSTALLER_DOWNLOADED:
        return OnInstallerDownloaded(wParam, lParam);
    }
    return CPropertyPage::WindowProc(message, wParam, lParam);
}

// TRUE: the record is the page's, and freed here.
LRESULT CSecondStepPage::OnInstallerProgress(WPARAM, LPARAM lParam)
{
    std::unique_ptr<CInstallerProgress> pProgress(reinterpret_cast<CInstallerProgress*>(lParam));
    if (pProgress) {
        m_nPercent = pProgress->nPercent;
        m_progressDownload.SetPos(m_nPercent);
    }
    return TRUE;
}

LRESULT CSecondStepPage::OnInstallerDownloaded(WPARAM wParam, LPARAM)
{
    // The download has ended: another may start unless this one brought the installer.
    m_worker.reset();
    m_bInstallerArrived = wParam == 0;
    if (wParam != 0)
        return 0;
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    // Owned by the wizard, the main window while it runs, which stays disabled until the
    // box is answered.
    AfxMessageBox("安装程序下载完成，点击完成开始安装！");
    return 0;
}
