#include "framework/messagebox.h"

#include "framework/afxres.h"
#include "framework/resources.h"
#include "framework/winapp.h"

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

// A box whose caller chose no icon shows the one its buttons call for: a question for a
// yes-or-no choice, otherwise the exclamation mark (and its sound) for OK and OK/Cancel.
UINT WithDefaultIcon(UINT nType)
{
    if (nType & MB_ICONMASK)
        return nType;
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return nType | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return nType | MB_ICONQUESTION;
    }
    return nType;
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
    return MessageBoxA(AfxGetModalOwner(), pszText ? pszText : "", strTitle, WithDefaultIcon(nType));
}
