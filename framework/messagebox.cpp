#include "framework/messagebox.h"

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

std::string& Title()
{
    static std::string s_title = "Velora";
    return s_title;
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
    Title() = pszTitle ? pszTitle : "";
}

CString AfxGetAppTitle()
{
    std::lock_guard<std::mutex> lock(TitleLock());
    return CString(Title());
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    CString strTitle = AfxGetAppTitle();
    return MessageBoxA(OwnerOnThisThread(), pszText ? pszText : "", strTitle, nType);
}
