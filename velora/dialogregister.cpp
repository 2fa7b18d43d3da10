#include "velora/dialogregister.h"

#include "ctrl/skinimage.h"
#include "ctrl/skintext.h"
#include "framework/dc.h"
#include "framework/resources.h"
#include "util/codepage.h"
#include "util/validators.h"
#include "util/windowmessages.h"
#include "velora/dialoglogin.h"
#include "velora/dialogparts.h"
#include "velora/resource.h"
#include "velora/tasks/registertask.h"
#include "velora/tasks/taskid.h"
#include "velora/veloraapp.h"

namespace {

const int kClickSubmit = 3;

// The first failed check's message, or an empty text when the form may be sent. The
// account has only the password's length check.
CString CheckRegisterInput(const CString& strAccount, const CString& strPassword, const CString& strPassword2,
                           const CString& strMail)
{
    if (!IsPasswordValid(strAccount.Str()))
        return AfxLoadString(IDS_BAD_ACCOUNT);
    if (!IsPasswordValid(strPassword.Str()))
        return AfxLoadString(IDS_BAD_PASSWORD);
    if (strPassword != strPassword2)
        return AfxLoadString(IDS_PASSWORDS_DIFFER);
    if (!IsEmailValid(strMail.Str()))
        return AfxLoadString(IDS_BAD_MAIL);
    return CString();
}

} // namespace

IMPLEMENT_DYNAMIC(CDialogRegister, CSkinnedDialog)

CDialogRegister::CDialogRegister(CWnd* pParentWnd) : CSkinnedDialog(IDD_DIALOG_REGISTER, IDS_REGISTER_TITLE, pParentWnd)
{
}

LRESULT CDialogRegister::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_REGISTER_OK:
        return OnRegisterSucceeded();
    }
    return CSkinnedDialog::WindowProc(message, wParam, lParam);
}

BOOL CDialogRegister::OnInitDialog()
{
    CSkinnedDialog::OnInitDialog();
    CentreOnScreen(this, 530, 350);
    CreateLabel(m_lblAccount, this, IDC_REG_STATIC_ACCOUNT, RECT{123, 94, 168, 114}, IDS_ACCOUNT);
    CreateEdit(m_editAccount, this, IDC_REG_EDIT_ACCOUNT, RECT{165, 94, 345, 114}, false);
    CreateLabel(m_lblPassword, this, IDC_REG_STATIC_PASSWORD, RECT{123, 134, 168, 154}, IDS_PASSWORD);
    CreateEdit(m_editPassword, this, IDC_REG_EDIT_PASSWORD, RECT{165, 134, 345, 154}, true);
    CreateLabel(m_lblPassword2, this, IDC_REG_STATIC_PASSWORD2, RECT{98, 174, 168, 194}, IDS_PASSWORD_AGAIN);
    CreateEdit(m_editPassword2, this, IDC_REG_EDIT_PASSWORD2, RECT{165, 174, 345, 194}, true);
    CreateLabel(m_lblMail, this, IDC_REG_STATIC_MAIL, RECT{123, 214, 168, 234}, IDS_MAIL);
    CreateEdit(m_editMail, this, IDC_REG_EDIT_MAIL, RECT{165, 214, 345, 234}, false);
    m_btnSubmit.SetListener(this);
    m_btnSubmit.SetClickId(kClickSubmit);
    CreateSkinButton(m_btnSubmit, this, IDC_BTN_REGISTER, RECT{210, 275, 304, 297}, IDS_SUBMIT_REGISTER,
                     kRegisterButtonSkin, 0, "LOGIN");
    return TRUE;
}

// Enter in any control presses the submit button.
BOOL CDialogRegister::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        ::SendMessageA(::GetDlgItem(m_hWnd, IDC_BTN_REGISTER), BM_CLICK, 0, 0);
        return TRUE;
    }
    return CSkinnedDialog::PreTranslateMessage(pMsg);
}

void CDialogRegister::OnClick(int nId)
{
    if (nId != kClickSubmit)
        return;
    if (!m_bRegistered) {
        DoRegister();
        return;
    }
    SendMessage(WM_CLOSE);
    CDialogLogin dlg(NULL);
    dlg.DoModal();
}

void CDialogRegister::DoRegister()
{
    CString strAccount = m_editAccount.GetWindowText();
    CString strPassword = m_editPassword.GetWindowText();
    CString strMail = m_editMail.GetWindowText();
    CString strError = CheckRegisterInput(strAccount, strPassword, m_editPassword2.GetWindowText(), strMail);
    if (!strError.IsEmpty()) {
        MessageBox(strError);
        return;
    }
    AnsiToUtf8(strAccount);
    AnsiToUtf8(strPassword);
    AnsiToUtf8(strMail);
    CRegisterTask* pTask = new CRegisterTask("/client/Reg/PCcustom.aspx", taskRegister, m_hWnd);
    pTask->AddParam("user", strAccount);
    pTask->AddParam("pass", strPassword);
    pTask->AddParam("email", strMail);
    GetVeloraApp()->ExecuteTask(pTask);
}

LRESULT CDialogRegister::OnRegisterSucceeded()
{
    m_bRegistered = TRUE;
    Invalidate(TRUE);
    return 0;
}

void CDialogRegister::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (IsIconic())
        return;
    if (m_bRegistered)
        ShowSuccessPage();
    ComposeClientArea(this, dc, [this](Gdiplus::Graphics& graphics) { DrawClientArea(graphics); });
}

// The button is repainted when its label changes: its own paint may come before ours.
void CDialogRegister::ShowSuccessPage()
{
    CString strLabel = AfxLoadString(IDS_START_LOGIN);
    if (m_btnSubmit.GetText() != strLabel) {
        m_btnSubmit.SetText(strLabel);
        m_btnSubmit.Invalidate(FALSE);
    }
    CWnd* pFields[] = {&m_lblAccount,   &m_editAccount,   &m_lblPassword, &m_editPassword,
                       &m_lblPassword2, &m_editPassword2, &m_lblMail,     &m_editMail};
    for (CWnd* pField : pFields)
        pField->ShowWindow(SW_HIDE);
}

void CDialogRegister::DrawClientArea(Gdiplus::Graphics& graphics)
{
    CSkinImage firstStep(m_bRegistered ? "Skins/bar_register_gray.png" : "Skins/bar_register_light.png");
    firstStep.Draw(graphics, 71, 25);
    CSkinImage secondStep(m_bRegistered ? "Skins/bar_reg_sucess_light.png" : "Skins/bar_reg_sucess_gray.png");
    secondStep.Draw(graphics, 231, 25);
    if (!m_bRegistered)
        return;
    DrawSkinText(graphics, AfxLoadString(IDS_REGISTERED), 18, Gdiplus::FontStyleBold, Gdiplus::Color(27, 143, 44), 136,
                 104);
    DrawSkinText(graphics, AfxLoadString(IDS_MAIL_SENT) + m_editMail.GetWindowText(), 12, Gdiplus::FontStyleBold,
                 Gdiplus::Color(89, 89, 89), 136, 155);
}
