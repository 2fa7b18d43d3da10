#include "tests/support/dialogs.h"

#include "tests/support/screenarea.h"
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

// The static that shows a message box's icon.
HWND IconControl(HWND hBox)
{
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if (HasClass(hChild, "Static") && (GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return hChild;
    return NULL;
}

// The icon drawn at its size over crBackground, row by row.
std::vector<COLORREF> DrawnIcon(HICON hIcon, int cx, int cy, COLORREF crBackground)
{
    HDC hScreen = GetDC(NULL);
    HDC hDC = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, cx, cy);
    ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    HBRUSH hBrush = CreateSolidBrush(crBackground);
    RECT rc = {0, 0, cx, cy};
    FillRect(hDC, &rc, hBrush);
    DeleteObject(hBrush);
    DrawIconEx(hDC, 0, 0, hIcon, cx, cy, 0, NULL, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels.push_back(GetPixel(hDC, x, y));
    SelectObject(hDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    return pixels;
}

// Whether the area shows hIcon at its origin: every pixel that the icon covers wholly
// (the same over black and over white) has the icon's colour there.
bool ShowsIcon(const CScreenArea& screen, HICON hIcon)
{
    int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    std::vector<COLORREF> onBlack = DrawnIcon(hIcon, cx, cy, RGB(0, 0, 0));
    std::vector<COLORREF> onWhite = DrawnIcon(hIcon, cx, cy, RGB(255, 255, 255));
    int nCovered = 0;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            size_t i = static_cast<size_t>(y) * cx + x;
            if (onBlack[i] != onWhite[i])
                continue;
            if (screen.At(x, y) != onBlack[i])
                return false;
            ++nCovered;
        }
    }
    return nCovered > cx * cy / 8;
}

} // namespace

std::string MessageBoxIcon(HWND hBox)
{
    const struct {
        const char* pszName;
        LPCSTR pszIcon;
    } kIcons[] = {{"exclamation", IDI_EXCLAMATION},
                  {"question", IDI_QUESTION},
                  {"information", IDI_ASTERISK},
                  {"error", IDI_HAND}};
    std::string strIcon;
    // What the box paints reaches the screen a moment after it shows.
    WaitUntil(
        [&] {
            HWND hIcon = IconControl(hBox);
            strIcon = "none";
            if (!hIcon || !IsWindowVisible(hIcon) || !SendMessageA(hIcon, STM_GETICON, 0, 0))
                return true;
            RECT rc;
            GetWindowRect(hIcon, &rc);
            CScreenArea screen(rc);
            strIcon = "other";
            for (const auto& icon : kIcons) {
                if (ShowsIcon(screen, LoadIconA(NULL, icon.pszIcon))) {
                    strIcon = icon.pszName;
                    return true;
                }
            }
            return false;
        },
        1500, 50);
    return strIcon;
}

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

std::string AnswerMessageBox(DWORD dwProcessId, int nButton, DWORD dwTimeoutMs, HWND* phOwner, std::string* pstrIcon)
{
    HWND hBox = WaitForWindow(dwProcessId, IsMessageBox, dwTimeoutMs);
    if (phOwner)
        *phOwner = hBox ? GetWindow(hBox, GW_OWNER) : NULL;
    if (pstrIcon)
        *pstrIcon = hBox ? MessageBoxIcon(hBox) : "";
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
