#include "framework/messagebox.h"

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
    return MessageBoxA(NULL, pszText ? pszText : "", strTitle, nType);
}
