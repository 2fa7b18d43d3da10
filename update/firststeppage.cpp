#include "update/firststeppage.h"

#include "update/resource.h"
#include "update/updateapp.h"
#include "update/updateinfo.h"

#include <vector>

IMPLEMENT_DYNAMIC(CFirstStepPage, CPropertyPage)

CFirstStepPage::CFirstStepPage() : CPropertyPage(IDD_FIRST_STEP_PAGE)
{
}

void CFirstStepPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_UPDATE_INFO, m_listUpdateInfo);
}

BOOL CFirstStepPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FillUpdateInfo();
    return TRUE;
}

BOOL CFirstStepPage::OnSetActive()
{
    GetSheet()->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

// The template's list is turned into a one-column report list here.
void CFirstStepPage::FillUpdateInfo()
{
    m_listUpdateInfo.ModifyStyle(LVS_TYPEMASK | LVS_EDITLABELS, LVS_REPORT | LVS_NOLABELWRAP | LVS_SHOWSELALWAYS);
    m_listUpdateInfo.InsertColumn(0, "检测到更新信息", LVCFMT_LEFT, 500);
    std::vector<CString> rows = SplitUpdateInfo(CString(GetUpdateApp()->GetReply().GetInfo()));
    for (size_t i = 0; i < rows.size(); ++i)
        m_listUpdateInfo.InsertItem(static_cast<int>(i), rows[i]);
}
