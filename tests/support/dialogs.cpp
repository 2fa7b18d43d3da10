#include "tests/support/dialogs.h"

#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"

#include <commdlg.h>
#include <vector>

namespace {

// The file-name field of the system's file dialogs: an edit (edt1) or an editable combo
// box (cmb13), depending on the dialog's style.
HWND FileNameField(HWND hDialog)
{
    HWND hField = GetDlgItem(hDialog, 0x480);
    return hField ? hField : GetDlgItem(hDialog, 0x47C);
}

HWND WaitForWindow(DWORD dwProcessId, bool (*pfnMatch)(HWND), DWORD dwTimeoutMs)
{
    return WaitForTopWindow({dwProcessId, nullptr, nullptr, true, pfnMatch}, dwTimeoutMs, 50);
}

bool IsFileDialog(HWND hWnd)
{
    return IsDialogWindow(hWnd) && FileNameField(hWnd) != NULL;
}

bool WaitUntilClosed(HWND hWnd)
{
    return WaitUntil([hWnd] { return !IsWindow(hWnd) || !IsWindowVisible(hWnd); }, 5000);
}

void PressButton(HWND hDialog, int nButton)
{
    PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDialog, nButton)));
}

} // namespace

bool IsMessageBox(HWND hWnd)
{
    return IsDialogWindow(hWnd) && GetDlgItem(hWnd, 0xFFFF) != NULL && FileNameField(hWnd) == NULL;
}

std::string MessageBoxText(HWND hBox)
{
    char szText[512] = "";
    GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
    return WindowText(hBox) + "|" + szText;
}

std::string AnswerMessageBox(DWORD dwProcessId, int nButton, DWORD dwTimeoutMs, HWND* phOwner)
{
    HWND hBox = WaitForWindow(dwProcessId, IsMessageBox, dwTimeoutMs);
    if (phOwner)
        *phOwner = hBox ? GetWindow(hBox, GW_OWNER) : NULL;
    if (!hBox)
        return "";
    std::string strBox = MessageBoxText(hBox);
    PressButton(hBox, nButton);
    WaitUntilClosed(hBox);
    return strBox;
}

HWND WaitForFileDialog(DWORD dwProcessId, DWORD dwTimeoutMs)
{
    return WaitForWindow(dwProcessId, IsFileDialog, dwTimeoutMs);
}

std::string FileDialogName(HWND hDialog)
{
    // WM_GETTEXT, not GetWindowText: across processes the latter gives an edit's
    // creation text, not what it holds now.
    char szName[MAX_PATH] = "";
    SendMessageA(FileNameField(hDialog), WM_GETTEXT, sizeof(szName), reinterpret_cast<LPARAM>(szName));
    return szName;
}

bool AnswerFileDialog(HWND hDialog, const std::string& strPath)
{
    SendMessageA(FileNameField(hDialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strPath.c_str()));
    PressButton(hDialog, IDOK);
    return WaitUntilClosed(hDialog);
}

bool CancelFileDialog(HWND hDialog)
{
    PressButton(hDialog, IDCANCEL);
    return WaitUntilClosed(hDialog);
}

bool HasDefaultPrinter()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
    if (!PrintDlgA(&pd))
        return false;
    GlobalFree(pd.hDevMode);
    GlobalFree(pd.hDevNames);
    return true;
}
