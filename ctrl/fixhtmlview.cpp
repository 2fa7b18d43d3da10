#include "ctrl/fixhtmlview.h"

#include "ctrl/dochostsite.h"
#include "net/serviceroot.h"

IMPLEMENT_DYNCREATE(CFixHtmlView, CHtmlView)

namespace {

// The browser's resource library and its standard caption of script message boxes.
const char kBrowserResources[] = "SHDOCLC.DLL";
const UINT kIdsScriptBoxCaption = 2213;

// A resource library loaded as data only: none of its code runs.
class CResourceLibrary {
public:
    explicit CResourceLibrary(const char* pszName) : m_hModule(LoadLibraryExA(pszName, NULL, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~CResourceLibrary()
    {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;
    operator HMODULE() const { return m_hModule; }

private:
    HMODULE m_hModule;
};

} // namespace

CString ServiceHostName()
{
    CString strRoot = GetServiceRoot();
    int nStart = strRoot.Find("://");
    nStart = nStart < 0 ? 0 : nStart + 3;
    int nEnd = nStart;
    while (nEnd < strRoot.GetLength() && strRoot.GetAt(nEnd) != ':' && strRoot.GetAt(nEnd) != '/')
        ++nEnd;
    return strRoot.Mid(nStart, nEnd - nStart);
}

CFixHtmlView::CFixHtmlView() : m_strCaption(ServiceHostName())
{
    EnableAutomation();
}

BOOL CFixHtmlView::CreateControlSite(COleControlSite** ppSite)
{
    *ppSite = new CDocHostSite(m_hWnd, this);
    return TRUE;
}

HRESULT CFixHtmlView::OnGetExternal(IDispatch** ppDispatch)
{
    if (!ppDispatch)
        return E_POINTER;
    *ppDispatch = GetIDispatch(TRUE);
    return *ppDispatch ? S_OK : E_NOTIMPL;
}

HRESULT CFixHtmlView::OnShowMessage(HWND, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType, LPOLESTR, DWORD,
                                    LRESULT* plResult)
{
    CResourceLibrary library(kBrowserResources);
    if (!library)
        return S_FALSE;
    CString strCaption = WideToAnsi(lpstrCaption);
    char szStandard[256] = "";
    if (LoadStringA(library, kIdsScriptBoxCaption, szStandard, sizeof(szStandard)) > 0 && strCaption == szStandard)
        strCaption = m_strCaption;
    int nResult = ::MessageBoxA(m_hWnd, WideToAnsi(lpstrText), strCaption, dwType);
    if (plResult)
        *plResult = nResult;
    return S_OK;
}
