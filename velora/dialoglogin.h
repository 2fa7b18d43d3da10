#ifndef VELORA_DIALOGLOGIN_H
#define VELORA_DIALOGLOGIN_H

// The login dialog: account and password, checked here, then sent as a login task.
// When the service accepts them they become the stored account, written to the
// configuration file, so the next start logs in by itself. A second button closes it
// and opens the register dialog. Enter anywhere presses the login button.

#include "ctrl/clicklistener.h"
#include "ctrl/custombutton.h"
#include "ctrl/customedit.h"
#include "ctrl/skinneddialog.h"
#include "framework/stdctrls.h"

#include <windows.h>
#include <gdiplus.h>

class CDialogLogin : public CSkinnedDialog, public IClickListener {
public:
    explicit CDialogLogin(CWnd* pParentWnd = NULL);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnClick(int nId) override;

protected:
    BOOL OnInitDialog() override;
    void OnPaint() override;

private:
    void DoLogin();
    LRESULT OnLoginSucceeded();
    void DrawClientArea(Gdiplus::Graphics& graphics);

    CCustomButton m_btnLogin;
    CCustomButton m_btnGoRegister;
    CStatic m_lblAccount;
    CCustomEdit m_editAccount;
    CStatic m_lblPassword;
    CCustomEdit m_editPassword;
};

#endif
