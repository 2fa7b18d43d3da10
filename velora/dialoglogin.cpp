#include "velora/dialoglogin.h"

#include "ctrl/skintext.h"
#include "framework/dc.h"
#include "framework/resources.h"
#include "util/validators.h"
#include "util/windowmessages.h"
#include "velora/dialogparts.h"
#include "velora/dialogregister.h"
#include "velora/loginrequest.h"
#include "velora/resource.h"
#include "velora/storedaccount.h"
#include "velora/tasks/taskid.h"

namespace {

enum { kClickLogin = 1, kClickGoRegister = 2 };

// The first failed check's message, or an empty text when the pair may be sent. An
// e-mail address is a valid account whatever its length.
CString CheckLoginInput(const CString& strAccount, const CString& strPassword)
{
    if (strAccount.IsEmpty())
        return AfxLoadString(IDS_EMPTY_ACCOUNT);
    if (!IsEmailValid(strAccount.Str()) && !IsUserNameValid(strAccount.Str()))
        return "用户名输入错误，长度限制在3-15个字符";
    if (strPassword.IsEmpty())
        return AfxLoadString(IDS_EMPTY_PASSWORD);
    if (!IsPasswordValid(strPassword.Str()))
        return "密码输入错误，密码长度限制在6-20个字符";
    return CString();
}

} // namespace

CDialogLogin::CDialogLogin(CWnd* pParentWnd) : CSkinnedDialog(IDD_DIALOG_LOGIN, IDS_LOGIN_TITLE, pParentWnd)
{
}

LRESULT CDialogLogin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LOGIN_OK:
        return OnLoginSucceeded();
    }
    return CSkinnedDialog::WindowProc(message, wParam, lParam);
}

BOOL CDialogLogin::OnInitDialog()
{
    CSkinnedDialog::OnInitDialog();
    CentreOnScreen(this, 530, 260);
    CreateLabel(m_lblAccount, this, IDC_LOGIN_STATIC_ACCOUNT, RECT{25, 70, 70, 90}, IDS_ACCOUNT);
    CreateEdit(m_editAccount, this, IDC_LOGIN_EDIT_ACCOUNT, RECT{70, 70, 250, 90}, false);
    CreateLabel(m_lblPassword, this, IDC_LOGIN_STATIC_PASSWORD, RECT{25, 115, 70, 135}, IDS_PASSWORD);
    CreateEdit(m_editPassword, this, IDC_LOGIN_EDIT_PASSWORD, RECT{70, 115, 250, 135}, true);
    m_btnLogin.SetListener(this);
    m_btnLogin.SetClickId(kClickLogin);
    CreateSkinButton(m_btnLogin, this, IDC_BTN_LOGIN, RECT{70, 170, 170, 192}, IDS_LOGIN, kLoginButtonSkin, 0, "LOGIN");
    m_btnGoRegister.SetListener(this);
    m_btnGoRegister.SetClickId(kClickGoRegister);
    CreateSkinButton(m_btnGoRegister, this, IDC_BTN_GO_REGISTER, RECT{357, 97, 451, 121}, IDS_GO_REGISTER,
                     kRegisterButtonSkin, 0, "LOGIN");
    return TRUE;
}

// Enter in any control presses the login button.
BOOL CDialogLogin::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        ::SendMessageA(::GetDlgItem(m_hWnd, IDC_BTN_LOGIN), BM_CLICK, 0, 0);
        return TRUE;
    }
    return CSkinnedDialog::PreTranslateMessage(pMsg);
}

void CDialogLogin::OnClick(int nId)
{
    if (nId == kClickLogin) {
        DoLogin();
    } else if (nId == kClickGoRegister) {
        SendMessage(WM_CLOSE);
        CDialogRegister dlg(NULL);
        dlg.DoModal();
    }
}

void CDialogLogin::DoLogin()
{
    CString strAccount = m_editAccount.GetWindowText();
    CString strPassword = m_editPassword.GetWindowText();
    CString strError = CheckLoginInput(strAccount, strPassword);
    if (!strError.IsEmpty()) {
        MessageBox(strError);
        return;
    }
    StartLogin(strAccount, strPassword, taskLogin, m_hWnd);
}

// The texts are read again: what the user changed while the request ran is stored.
LRESULT CDialogLogin::OnLoginSucceeded()
{
    StoreAccount(m_editAccount.GetWindowText(), m_editPassword.GetWindowText());
    SendMessage(WM_CLOSE);
    return 0;
}

void CDialogLogin::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!IsIconic())
        ComposeClientArea(this, dc, [this](Gdiplus::Graphics& graphics) { DrawClientArea(graphics); });
}

void CDialogLogin::DrawClientArea(Gdiplus::Graphics& graphics)
{
    Gdiplus::SolidBrush rule(Gdiplus::Color(222, 215, 201));
    Gdiplus::Color black(0, 0, 0);
    DrawSkinText(graphics, AfxLoadString(IDS_LOGIN), 14, Gdiplus::FontStyleBold, black, 5, 25);
    graphics.FillRectangle(&rule, 5, 45, 270, 5);
    DrawSkinText(graphics, AfxLoadString(IDS_REGISTER), 14, Gdiplus::FontStyleBold, black, 315, 25);
    graphics.FillRectangle(&rule, 315, 45, 187, 5);
    DrawSkinText(graphics, AfxLoadString(IDS_REGISTER_INVITATION), 12, Gdiplus::FontStyleRegular,
                 Gdiplus::Color(85, 85, 85), 315, 65);
}
