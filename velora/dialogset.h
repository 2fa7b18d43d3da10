#ifndef VELORA_DIALOGSET_H
#define VELORA_DIALOGSET_H

// The settings dialog: binds the client to a service account or removes the binding
// (the stored account; bound means a stored user name), switches starting with Windows
// on and off, and asks the service whether a newer client exists. Enter, whatever has
// the focus, binds or unbinds and never closes the dialog; Esc and the close button do.

#include "ctrl/custombutton.h"
#include "ctrl/customedit.h"
#include "ctrl/hyperlinkstatic.h"
#include "ctrl/skinneddialog.h"
#include "framework/stdctrls.h"

#include <windows.h>
#include <gdiplus.h>

// The service's FAQ page, which the dialog's "关于我们" link opens.
CString GetFaqPageUrl();

class CDialogSet : public CSkinnedDialog {
    DECLARE_DYNAMIC(CDialogSet)
public:
    explicit CDialogSet(CWnd* pParentWnd = NULL);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT nID, UINT nCode, HWND hWndCtl) override;
    void OnOK() override;
    void OnPaint() override;

private:
    void OnBindButton();
    void DoBind();
    void Unbind();
    LRESULT OnBindResult();
    void OnAutoStartCheck();
    void OnCheckUpdate();
    void SetBindLabel(UINT nIDText);
    void DrawClientArea(Gdiplus::Graphics& graphics);

    CStatic m_lblAccount;
    CCustomEdit m_editAccount;
    CStatic m_lblPassword;
    CCustomEdit m_editPassword;
    CCustomButton m_btnBind;
    CButton m_chkAutoStart;
    CCustomButton m_btnCheckUpdate;
    CHyperlinkStatic m_linkAbout;
};

#endif
