#ifndef VELORA_UINFOPANELDIALOG_H
#define VELORA_UINFOPANELDIALOG_H

// The panel of the floating user-info box: a popup over the box's picture whose
// background colour is keyed out, so that only its seven labels show. Every paint asks
// the service for the member's profile; the reply fills the labels.

#include "ctrl/customstatic.h"
#include "framework/dialog.h"
#include "framework/gdiobj.h"

class CUserProfile;

class CUInfoPanelDialog : public CDialog {
public:
    explicit CUInfoPanelDialog(CWnd* pParentWnd = NULL);
    ~CUInfoPanelDialog() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The profile last received (NULL before the first reply); the panel owns it.
    const CUserProfile* GetProfile() const { return m_pProfile; }
    // Whether the background is keyed out (FALSE when the system lacks the function).
    BOOL IsColourKeyed() const { return m_bColourKeyed; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor) override;
    void OnPaint() override;

private:
    LRESULT OnUserInfoLoaded(LPARAM lParam);
    void SetLabel(int nIndex, const CString& strText);
    void ShowBareCaptions();
    void RequestUserInfo();

    CBrush m_brushKey;
    CUserProfile* m_pProfile = NULL;
    BOOL m_bColourKeyed = FALSE;
    // Controls 1016, 1020, 1021, 1017, 1018, 1019, 1024, in this order.
    CCustomStatic m_lblNickname;
    CCustomStatic m_lblRoadBooks;
    CCustomStatic m_lblMicroBooks;
    CCustomStatic m_lblCity;
    CCustomStatic m_lblFollowing;
    CCustomStatic m_lblFans;
    CCustomStatic m_lblTravelNotes;
};

#endif
