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

BOOL CSecondStepPage::OnSetActive()
{
    StartInstallerDownload(m_hWnd, GetDownUrl());
    m_progressDownload.SetRange(0, 100);
    m_progressDownload.SetPos(0);
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_DISABLEDFINISH);
    return CPropertyPage::OnSetActive();
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
    if (pProgress)
        m_progressDownload.SetPos(pProgress->nPercent);
    return TRUE;
}

LRESULT CSecondStepPage::OnInstallerDownloaded(WPARAM wParam, LPARAM)
{
    if (wParam != 0)
        return 0;
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    // Owned by the wizard, the main window while it runs, which stays disabled until the
    // box is answered.
    AfxMessageBox("安装程序下载完成，点击完成开始安装！");
    return 0;
}
