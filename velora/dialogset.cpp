#include "velora/dialogset.h"

#include "ctrl/skintext.h"
#include "framework/dc.h"
#include "framework/messagebox.h"
#include "framework/resources.h"
#include "framework/winapp.h"
#include "net/serviceroot.h"
#include "util/autostart.h"
#include "util/validators.h"
#include "util/windowmessages.h"
#include "velora/dialogparts.h"
#include "velora/loginrequest.h"
#include "velora/resource.h"
#include "velora/storedaccount.h"
#include "velora/tasks/taskid.h"
#include "velora/versioncheck.h"

namespace {

// The edits' font is one pixel shorter than the dialog's.
const int kEditFontHeight = 13;

// The first failed check's message, or an empty text when the pair may be sent. An
// empty account fails the account check; there is no check of its own.
CString CheckBindInput(const CString& strAccount, const CString& strPassword)
{
    if (!IsEmailValid(strAccount.Str()) && !IsUserNameValid(strAccount.Str()))
        return AfxLoadString(IDS_BAD_MAIL);
    if (!IsPasswordValid(strPassword.Str()))
        return AfxLoadString(IDS_BAD_PASSWORD);
    return CString();
}

void RepaintCaption()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_LOGIN_OK, 0, 0);
}

} // namespace

IMPLEMENT_DYNAMIC(CDialogSet, CSkinnedDialog)

CString GetFaqPageUrl()
{
    return CString(GetServiceRoot()) + "/faq/?cid=1";
}

CDialogSet::CDialogSet(CWnd* pParentWnd)
    : CSkinnedDialog(IDD_DIALOG_SET, IDS_SETTINGS_TITLE, pParentWnd, kEditFontHeight), m_linkAbout(GetFaqPageUrl())
{
}

LRESULT CDialogSet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_BIND_OK:
        return OnBindResult();
    case WM_NEW_VERSION:
        return OnCheckVersionResult(m_hWnd);
    }
    return CSkinnedDialog::WindowProc(message, wParam, lParam);
}

void CDialogSet::DoDataExchange(CDataExchange* pDX)
{
    CSkinnedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_US, m_linkAbout);
}

BOOL CDialogSet::OnInitDialog()
{
    CSkinnedDialog::OnInitDialog();
    bool bBound = !GetStoredUserName().IsEmpty();
    CreateSkinButton(m_btnBind, this, IDC_BTN_BIND, RECT{85, 120, 179, 142}, bBound ? IDS_UNBIND : IDS_BIND,
                     kRegisterButtonSkin, WS_TABSTOP, "LOGIN");
    m_btnBind.SetFocus();
    CreateLabel(m_lblAccount, this, IDC_REG_STATIC_ACCOUNT, RECT{43, 40, 88, 94}, IDS_ACCOUNT);
    CreateEdit(m_editAccount, this, IDC_REG_EDIT_ACCOUNT, RECT{85, 40, 265, 60}, false);
    m_editAccount.SetWindowText(GetStoredUserName());
    CreateLabel(m_lblPassword, this, IDC_REG_STATIC_PASSWORD, RECT{43, 80, 137, 134}, IDS_PASSWORD);
    CreateEdit(m_editPassword, this, IDC_REG_EDIT_PASSWORD, RECT{85, 80, 265, 100}, true);
    if (bBound)
        m_editPassword.SetWindowText(GetStoredPassword());
    m_chkAutoStart.Create(AfxLoadString(IDS_AUTOSTART), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                          RECT{85, 180, 185, 210}, this, IDC_CHECK_AUTOSTART);
    m_chkAutoStart.ShowWindow(SW_SHOW);
    if (IsAutoStart())
        m_chkAutoStart.SetCheck(BST_CHECKED);
    CreateSkinButton(m_btnCheckUpdate, this, IDC_BTN_CHECK_UPDATE, RECT{20, 213, 137, 237}, IDS_CHECK_UPDATE,
                     kRegisterButtonSkin, 0, "CHECK VERSION");
    return TRUE;
}

// Enter binds or unbinds whatever has the focus, and goes on to that control as an
// ordinary key: the dialog manager never sees it, so no default button ends the dialog.
BOOL CDialogSet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        OnBindButton();
        return FALSE;
    }
    return CSkinnedDialog::PreTranslateMessage(pMsg);
}

// Only a click binds: an owner-drawn button also reports a double click, which must
// not bind a second time.
BOOL CDialogSet::OnCommand(UINT nID, UINT nCode, HWND hWndCtl)
{
    if (hWndCtl && nCode == BN_CLICKED) {
        switch (nID) {
        case IDC_BTN_BIND:
            OnBindButton();
            return TRUE;
        case IDC_BTN_CHECK_UPDATE:
            OnCheckUpdate();
            return TRUE;
        case IDC_CHECK_AUTOSTART:
            OnAutoStartCheck();
            return TRUE;
        }
    }
    return CSkinnedDialog::OnCommand(nID, nCode, hWndCtl);
}

// The dialog has no OK: an edit that turns Enter into IDOK must not end it.
void CDialogSet::OnOK()
{
}

void CDialogSet::OnBindButton()
{
    if (GetStoredUserName().IsEmpty())
        DoBind();
    else
        Unbind();
}

void CDialogSet::DoBind()
{
    CString strAccount = m_editAccount.GetWindowText();
    CString strPassword = m_editPassword.GetWindowText();
    CString strError = CheckBindInput(strAccount, strPassword);
    if (!strError.IsEmpty()) {
        MessageBox(strError);
        return;
    }
    StartLogin(strAccount, strPassword, taskBind, m_hWnd);
}

// The account is stored as typed, blanks included.
LRESULT CDialogSet::OnBindResult()
{
    StoreAccount(m_editAccount.GetWindowText(), m_editPassword.GetWindowText());
    MessageBox("绑定成功！");
    SetBindLabel(IDS_UNBIND);
    RepaintCaption();
    return 0;
}

// Local only: nothing is sent and nothing is said.
void CDialogSet::Unbind()
{
    m_editAccount.SetWindowText("");
    m_editPassword.SetWindowText("");
    ClearSession();
    StoreAccount(CString(), CString());
    SetBindLabel(IDS_BIND);
    RepaintCaption();
}

void CDialogSet::SetBindLabel(UINT nIDText)
{
    m_btnBind.SetText(AfxLoadString(nIDText));
    m_btnBind.Invalidate(TRUE);
}

// The box has toggled itself; the registry decides what happens and what it shows
// afterwards. The state is set before the message appears.
void CDialogSet::OnAutoStartCheck()
{
    bool bChecked = m_chkAutoStart.GetCheck() == BST_CHECKED;
    bool bPresent = IsAutoStart() != FALSE;
    const char* pszMessage;
    bool bCheckedAfter = bChecked;
    if (bChecked && bPresent) {
        pszMessage = "您已经设置了开机启动项！";
    } else if (bChecked) {
        bCheckedAfter = SetAutoStart() != FALSE;
        pszMessage = bCheckedAfter ? "设置开机启动成功！" : "设置开机启动失败！";
    } else if (bPresent) {
        bCheckedAfter = RemoveAutoStart() == FALSE;
        pszMessage = bCheckedAfter ? "取消开机启动失败！" : "取消开机启动成功！";
    } else {
        pszMessage = "您尚未设置开机启动项！";
    }
    m_chkAutoStart.SetCheck(bCheckedAfter ? BST_CHECKED : BST_UNCHECKED);
    AfxMessageBox(pszMessage);
}

void CDialogSet::OnCheckUpdate()
{
    StartVersionCheck(m_hWnd);
}

void CDialogSet::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!IsIconic())
        ComposeClientArea(this, dc, [this](Gdiplus::Graphics& graphics) { DrawClientArea(graphics); });
}

void CDialogSet::DrawClientArea(Gdiplus::Graphics& graphics)
{
    Gdiplus::Color grey(85, 85, 85);
    DrawSkinText(graphics, AfxLoadString(IDS_BIND_ACCOUNT), 12, Gdiplus::FontStyleBold, grey, 15, 10);
    DrawSkinText(graphics, AfxLoadString(IDS_AUTOSTART_HEADING), 12, Gdiplus::FontStyleBold, grey, 15, 160);
}
