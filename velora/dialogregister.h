#ifndef VELORA_DIALOGREGISTER_H
#define VELORA_DIALOGREGISTER_H

// The register dialog: account, password twice and e-mail address, checked here and
// sent as a register task. Once the service accepts them the form gives way to a page
// saying where the verification e-mail went, and the one button, "开始登录", closes the
// dialog and opens the login dialog. Nothing is stored. Enter anywhere presses the
// button.

#include "ctrl/clicklistener.h"
#include "ctrl/custombutton.h"
#include "ctrl/customedit.h"
#include "ctrl/skinneddialog.h"
#include "framework/stdctrls.h"

#include <windows.h>
#include <gdiplus.h>

class CDialogRegister : public CSkinnedDialog, public IClickListener {
    DECLARE_DYNAMIC(CDialogRegister)
public:
    explicit CDialogRegister(CWnd* pParentWnd = NULL);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnClick(int nId) override;

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;

private:
    void DoRegister();
    LRESULT OnRegisterSucceeded();
    void ShowSuccessPage();
    void DrawClientArea(Gdiplus::Graphics& graphics);

    BOOL m_bRegistered = FALSE;
    CCustomButton m_btnSubmit;
    CStatic m_lblAccount;
    CCustomEdit m_editAccount;
    CStatic m_lblPassword;
    CCustomEdit m_editPassword;
    CStatic m_lblPassword2;
    CCustomEdit m_editPassword2;
    CStatic m_lblMail;
    CCustomEdit m_editMail;
};

#endif
