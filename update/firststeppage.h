#ifndef UPDATE_FIRSTSTEPPAGE_H
#define UPDATE_FIRSTSTEPPAGE_H
// The wizard's first page: the release notes of the offered update, one piece a row.
#include "framework/listctrl.h"
#include "framework/propsheet.h"

class CFirstStepPage : public CPropertyPage {
    DECLARE_DYNAMIC(CFirstStepPage)
public:
    CFirstStepPage();
    BOOL OnSetActive() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void FillUpdateInfo();
    CListCtrl m_listUpdateInfo;
};

#endif
