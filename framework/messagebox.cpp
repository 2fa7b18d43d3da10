#include "framework/messagebox.h"

#include "framework/afxres.h"
#include "framework/resources.h"
#include "framework/uicall.h"
#include "framework/winapp.h"
#include "framework/wnd.h"

#include <mutex>
#include <string>

namespace {

// Boxes appear on worker threads while the UI thread may set the title.
std::mutex& TitleLock()
{
    static std::mutex s_lock;
    return s_lock;
}

std::string& TitleOverride()
{
    static std::string s_title;
    return s_title;
}

// Read in UTF-16, where no byte of a double-byte character can pass for a separator.
CString ExecutableName()
{
    wchar_t szPath[MAX_PATH] = {};
    GetModuleFileNameW(NULL, szPath, MAX_PATH);
    std::wstring strName(szPath);
    strName = strName.substr(strName.find_last_of(L"\\/") + 1);
    size_t nDot = strName.rfind(L'.');
    if (nDot != std::wstring::npos && nDot > 0)
        strName.resize(nDot);
    return CString(strName.c_str());
}

// On the UI thread a box is modal to the main window (or the popup last active over
// it): the frame cannot be used or closed by the user while the box's loop runs inside
// one of its own handlers. Worker threads show their boxes without an owner.
HWND OwnerOnThisThread()
{
    if (!CUiCall::IsUiThread())
        return NULL;
    CWnd* pMain = AfxGetMainWnd();
    HWND hMain = pMain ? pMain->GetSafeHwnd() : NULL;
    return hMain && IsWindow(hMain) ? GetLastActivePopup(hMain) : NULL;
}

} // namespace

void AfxSetAppTitle(const char* pszTitle)
{
    std::lock_guard<std::mutex> lock(TitleLock());
    TitleOverride() = pszTitle ? pszTitle : "";
}

CString AfxGetAppTitle()
{
    {
        std::lock_guard<std::mutex> lock(TitleLock());
        if (!TitleOverride().empty())
            return CString(TitleOverride());
    }
    CString strTitle = AfxLoadString(AFX_IDS_APP_TITLE);
    return strTitle.IsEmpty() ? ExecutableName() : strTitle;
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    CString strTitle = AfxGetAppTitle();
    return MessageBoxA(OwnerOnThisThread(), pszText ? pszText : "", strTitle, nType);
}
