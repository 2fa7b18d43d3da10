#ifndef UPDATE_UPGRADEFLOWDIALOG_H
#define UPDATE_UPGRADEFLOWDIALOG_H
// The upgrade wizard: the release notes, then the installer download. Neither the sheet
// nor its pages offer help.
#include "update/firststeppage.h"
#include "update/secondsteppage.h"

class CUpgradeFlowDialog : public CPropertySheet {
    DECLARE_DYNAMIC(CUpgradeFlowDialog)
public:
    CUpgradeFlowDialog(const char* pszCaption, CWnd* pParentWnd, UINT iSelectPage);

private:
    CFirstStepPage m_firstStepPage;
    CSecondStepPage m_secondStepPage;
};

#endif
