#include "ctrl/dochostsite.h"

#include "net/serviceroot.h"

#include <string>
#include <wchar.h>

const IID IID_DocHostUIHandler2 = {0x3050F6D0, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};
const IID IID_DocHostShowUI = {0xC4D244B0, 0xD43E, 0x11CF, {0x89, 0x3B, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x1A}};

namespace {

// A dialog-style host without a three-dimensional border.
const DWORD kHostFlags = DOCHOSTUIFLAG_DIALOG | DOCHOSTUIFLAG_NO3DBORDER;

bool IsActiveXOrScriptAction(DWORD dwAction)
{
    return (dwAction >= URLACTION_ACTIVEX_MIN && dwAction <= URLACTION_ACTIVEX_MAX) ||
           (dwAction >= URLACTION_SCRIPT_MIN && dwAction <= URLACTION_SCRIPT_MAX);
}

} // namespace

BOOL IsServiceRootUrl(const wchar_t* pwszUrl)
{
    if (!pwszUrl)
        return FALSE;
    std::wstring strRoot = CString(GetServiceRoot()).Wide();
    if (strRoot.empty() || _wcsnicmp(pwszUrl, strRoot.c_str(), strRoot.size()) != 0)
        return FALSE;
    wchar_t chNext = pwszUrl[strRoot.size()];
    return chNext == L'/' || chNext == L'\0';
}

CDocHostSite::CDocHostSite(HWND hWndHost, CHtmlView* pView) : COleControlSite(hWndHost), m_pView(pView)
{
}

void CDocHostSite::Close()
{
    COleControlSite::Close();
    m_pView = NULL;
}

HRESULT CDocHostSite::QueryExtraInterface(REFIID riid, void** ppv)
{
    *ppv = NULL;
    if (IsEqualIID(riid, IID_DocHostShowUI))
        *ppv = static_cast<IDocHostShowUI*>(&m_xDocHostShowUI);
    else if (IsEqualIID(riid, IID_IDocHostUIHandler))
        *ppv = static_cast<IDocHostUIHandler*>(&m_xDocHostUIHandler);
    else if (IsEqualIID(riid, IID_DocHostUIHandler2))
        *ppv = static_cast<IDocHostUIHandler2*>(&m_xDocHostUIHandler2);
    else if (IsEqualIID(riid, IID_IInternetSecurityManager))
        *ppv = static_cast<IInternetSecurityManager*>(&m_xInternetSecurityManager);
    else if (IsEqualIID(riid, IID_IServiceProvider))
        *ppv = static_cast<IServiceProvider*>(&m_xServiceProvider);
    else
        return COleControlSite::QueryExtraInterface(riid, ppv);
    AddRef();
    return S_OK;
}

// IDocHostShowUI

STDMETHODIMP CDocHostSite::XDocHostShowUI::ShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption,
                                                       DWORD dwType, LPOLESTR lpstrHelpFile, DWORD dwHelpContext,
                                                       LRESULT* plResult)
{
    return ComCall([&]() -> HRESULT {
        CHtmlView* pView = m_pSite->m_pView;
        return pView
                   ? pView->OnShowMessage(hwnd, lpstrText, lpstrCaption, dwType, lpstrHelpFile, dwHelpContext, plResult)
                   : S_FALSE;
    });
}

STDMETHODIMP CDocHostSite::XDocHostShowUI::ShowHelp(HWND, LPOLESTR, UINT, DWORD, POINT, IDispatch*)
{
    return E_NOTIMPL;
}

// IDocHostUIHandler and IDocHostUIHandler2: every question goes to the view's hook of
// the same name.

#define VIEW_OR_FAIL(call)                                                                                             \
    ComCall([&]() -> HRESULT {                                                                                         \
        CHtmlView* pView = m_pSite->m_pView;                                                                           \
        return pView ? pView->call : E_UNEXPECTED;                                                                     \
    })

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::ShowContextMenu(DWORD dwID, POINT* ppt,
                                                                            IUnknown* pcmdtReserved,
                                                                            IDispatch* pdispReserved)
{
    return VIEW_OR_FAIL(OnShowContextMenu(dwID, ppt, pcmdtReserved, pdispReserved));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::GetHostInfo(DOCHOSTUIINFO* pInfo)
{
    if (!pInfo)
        return E_POINTER;
    pInfo->cbSize = sizeof(DOCHOSTUIINFO); // 20 bytes in the 32-bit program
    pInfo->dwFlags = kHostFlags;
    return VIEW_OR_FAIL(OnGetHostInfo(pInfo));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                                                   IOleCommandTarget* pCommandTarget,
                                                                   IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc)
{
    return VIEW_OR_FAIL(OnShowUI(dwID, pActiveObject, pCommandTarget, pFrame, pDoc));
}

template <class TInterface> STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::HideUI()
{
    return VIEW_OR_FAIL(OnHideUI());
}

template <class TInterface> STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::UpdateUI()
{
    return VIEW_OR_FAIL(OnUpdateUI());
}

template <class TInterface> STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::EnableModeless(BOOL fEnable)
{
    return VIEW_OR_FAIL(OnEnableModeless(fEnable));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::OnDocWindowActivate(BOOL fActivate)
{
    return VIEW_OR_FAIL(OnDocWindowActivate(fActivate));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::OnFrameWindowActivate(BOOL fActivate)
{
    return VIEW_OR_FAIL(OnFrameWindowActivate(fActivate));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::ResizeBorder(LPCRECT prcBorder,
                                                                         IOleInPlaceUIWindow* pUIWindow,
                                                                         BOOL fRameWindow)
{
    return VIEW_OR_FAIL(OnResizeBorder(prcBorder, pUIWindow, fRameWindow));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup,
                                                                                 DWORD nCmdID)
{
    return VIEW_OR_FAIL(OnTranslateAccelerator(lpMsg, pguidCmdGroup, nCmdID));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw)
{
    return VIEW_OR_FAIL(OnGetOptionKeyPath(pchKey, dw));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::GetDropTarget(IDropTarget* pDropTarget,
                                                                          IDropTarget** ppDropTarget)
{
    return VIEW_OR_FAIL(OnGetDropTarget(pDropTarget, ppDropTarget));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::GetExternal(IDispatch** ppDispatch)
{
    if (!ppDispatch)
        return E_POINTER;
    *ppDispatch = NULL;
    return VIEW_OR_FAIL(OnGetExternal(ppDispatch));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn,
                                                                         OLECHAR** ppchURLOut)
{
    return VIEW_OR_FAIL(OnTranslateUrl(dwTranslate, pchURLIn, ppchURLOut));
}

template <class TInterface>
STDMETHODIMP CDocHostSite::XDocHostUIHandlerOf<TInterface>::FilterDataObject(IDataObject* pDO, IDataObject** ppDORet)
{
    return VIEW_OR_FAIL(OnFilterDataObject(pDO, ppDORet));
}

#undef VIEW_OR_FAIL

template class CDocHostSite::XDocHostUIHandlerOf<IDocHostUIHandler>;
template class CDocHostSite::XDocHostUIHandlerOf<IDocHostUIHandler2>;

// No registry settings of the client's own override the browser's.
STDMETHODIMP CDocHostSite::XDocHostUIHandler2::GetOverrideKeyPath(LPOLESTR*, DWORD)
{
    return S_FALSE;
}

// IInternetSecurityManager: ActiveX controls and scripts run on the service's own
// pages; every other decision, and every other page, is the browser's.

STDMETHODIMP CDocHostSite::XInternetSecurityManager::ProcessUrlAction(LPCWSTR pwszUrl, DWORD dwAction, BYTE* pPolicy,
                                                                      DWORD cbPolicy, BYTE*, DWORD, DWORD, DWORD)
{
    return ComCall([&]() -> HRESULT {
        if (!IsActiveXOrScriptAction(dwAction) || !IsServiceRootUrl(pwszUrl))
            return INET_E_DEFAULT_ACTION;
        if (!pPolicy || cbPolicy < sizeof(DWORD))
            return S_FALSE;
        DWORD dwPolicy = URLPOLICY_ALLOW;
        memcpy(pPolicy, &dwPolicy, sizeof(dwPolicy));
        return S_OK;
    });
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::SetSecuritySite(IInternetSecurityMgrSite*)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::GetSecuritySite(IInternetSecurityMgrSite**)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::MapUrlToZone(LPCWSTR, DWORD*, DWORD)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::GetSecurityId(LPCWSTR, BYTE*, DWORD*, DWORD_PTR)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::QueryCustomPolicy(LPCWSTR, REFGUID, BYTE**, DWORD*, BYTE*, DWORD,
                                                                       DWORD)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::SetZoneMapping(DWORD, LPCWSTR, DWORD)
{
    return INET_E_DEFAULT_ACTION;
}

STDMETHODIMP CDocHostSite::XInternetSecurityManager::GetZoneMappings(DWORD, IEnumString**, DWORD)
{
    return INET_E_DEFAULT_ACTION;
}

// IServiceProvider: the security manager above, and nothing else.

STDMETHODIMP CDocHostSite::XServiceProvider::QueryService(REFGUID guidService, REFIID riid, void** ppv)
{
    return ComCall([&]() -> HRESULT {
        if (!ppv)
            return E_POINTER;
        if (IsEqualGUID(guidService, IID_IInternetSecurityManager) && IsEqualIID(riid, IID_IInternetSecurityManager))
            return m_pSite->QueryInterface(riid, ppv);
        *ppv = NULL;
        return E_NOINTERFACE;
    });
}
