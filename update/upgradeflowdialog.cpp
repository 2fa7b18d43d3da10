#include "update/upgradeflowdialog.h"

IMPLEMENT_DYNAMIC(CUpgradeFlowDialog, CPropertySheet)

CUpgradeFlowDialog::CUpgradeFlowDialog(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    m_psh.dwFlags &= ~PSH_HASHELP;
    m_firstStepPage.m_psp.dwFlags &= ~PSP_HASHELP;
    m_secondStepPage.m_psp.dwFlags &= ~PSP_HASHELP;
    AddPage(&m_firstStepPage);
    AddPage(&m_secondStepPage);
}
