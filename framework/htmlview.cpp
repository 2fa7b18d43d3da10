#include "framework/htmlview.h"

#include <exdispid.h>
#include <ocidl.h>

IMPLEMENT_DYNAMIC(CHtmlView, CView)

// The browser's events, handed to the view while it is connected.
class CHtmlEventSink final : public IDispatch {
public:
    explicit CHtmlEventSink(CHtmlView* pView) : m_pView(pView) {}
    CHtmlEventSink(const CHtmlEventSink&) = delete;
    CHtmlEventSink& operator=(const CHtmlEventSink&) = delete;
    void Detach() { m_pView = NULL; }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = NULL;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
            !IsEqualIID(riid, DIID_DWebBrowserEvents2))
            return E_NOINTERFACE;
        *ppv = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return static_cast<ULONG>(InterlockedIncrement(&m_nRef)); }
    STDMETHOD_(ULONG, Release)() override
    {
        LONG nRef = InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return static_cast<ULONG>(nRef);
    }
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override
    {
        if (pctinfo)
            *pctinfo = 0;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo)
            *ppTInfo = NULL;
        return E_NOTIMPL;
    }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO*, UINT*) override
    {
        return ComCall([&]() -> HRESULT {
            if (pVarResult)
                VariantInit(pVarResult);
            if (m_pView && pDispParams && dispIdMember == DISPID_BEFORENAVIGATE2)
                m_pView->FireBeforeNavigate2(pDispParams);
            return S_OK;
        });
    }

private:
    ~CHtmlEventSink() = default;
    LONG m_nRef = 1;
    CHtmlView* m_pView;
};

BOOL CHtmlView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

int CHtmlView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    return CreateBrowser() ? 0 : -1;
}

BOOL CHtmlView::CreateBrowser()
{
    COleControlSite* pSite = NULL;
    if (!CreateControlSite(&pSite) || !pSite)
        return FALSE;
    m_pSite.Attach(pSite);
    RECT rc;
    GetClientRect(&rc);
    if (FAILED(m_pSite->CreateControl(CLSID_WebBrowser, rc)) || !m_pSite->GetControlUnknown() ||
        FAILED(m_pSite->GetControlUnknown()->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_pBrowser)))) {
        m_pSite->Close();
        m_pSite.Release();
        return FALSE;
    }
    ConnectEvents();
    return TRUE;
}

void CHtmlView::ConnectEvents()
{
    CComPtr<IConnectionPointContainer> pContainer;
    if (FAILED(m_pBrowser.QueryInterface(IID_IConnectionPointContainer, pContainer)) ||
        FAILED(pContainer->FindConnectionPoint(DIID_DWebBrowserEvents2, &m_pEventPoint)))
        return;
    m_pSink = new CHtmlEventSink(this);
    if (FAILED(m_pEventPoint->Advise(m_pSink, &m_dwEventCookie))) {
        m_pSink->Detach();
        m_pSink->Release();
        m_pSink = NULL;
        m_pEventPoint.Release();
    }
}

BOOL CHtmlView::CreateControlSite(COleControlSite** ppSite)
{
    *ppSite = new COleControlSite(m_hWnd);
    return TRUE;
}

void CHtmlView::OnDraw(HDC)
{
}

// The control covers the whole view.
BOOL CHtmlView::OnEraseBkgnd(HDC)
{
    return TRUE;
}

void CHtmlView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_pSite) {
        RECT rc = {0, 0, cx, cy};
        m_pSite->MoveControl(rc);
    }
}

// In the order of the design note.
void CHtmlView::OnDestroy()
{
    if (m_pSink) {
        if (m_pEventPoint)
            m_pEventPoint->Unadvise(m_dwEventCookie);
        m_pSink->Detach();
        m_pSink->Release();
        m_pSink = NULL;
    }
    m_pEventPoint.Release();
    m_pBrowser.Release();
    if (m_pSite) {
        m_pSite->Close();
        m_pSite.Release();
    }
    CView::OnDestroy();
}

void CHtmlView::OnActivateFrame(UINT nState)
{
    HWND hFocus = ::GetFocus();
    if (nState == WA_INACTIVE && hFocus && ::IsChild(m_hWnd, hFocus))
        m_hWndFocusChild = hFocus;
}

// The page's own windows come and go with its documents: one kept may be gone.
void CHtmlView::OnSetFocus(HWND hOldWnd)
{
    HWND hChild = m_hWndFocusChild;
    if (!hChild || !::IsChild(m_hWnd, hChild) || !::IsWindowVisible(hChild) || !::IsWindowEnabled(hChild))
        hChild = m_pSite ? m_pSite->GetControlWindow() : NULL;
    if (hChild)
        ::SetFocus(hChild);
    else
        Default();
}

BOOL CHtmlView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pSite)
        return m_pSite->TranslateKey(pMsg);
    return CView::PreTranslateMessage(pMsg);
}

BOOL CHtmlView::Navigate2(const char* lpszURL, DWORD dwFlags, const char* lpszTargetFrameName, const char* lpszHeaders,
                          const void* lpvPostData, DWORD dwPostDataLen)
{
    return SUCCEEDED(
        NavigateBrowser(m_pBrowser, lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, lpvPostData, dwPostDataLen));
}

BOOL CHtmlView::Navigate2(const char* lpszURL, DWORD dwFlags, const CByteArray& baPostedData,
                          const char* lpszTargetFrameName, const char* lpszHeaders)
{
    return Navigate2(lpszURL, dwFlags, lpszTargetFrameName, lpszHeaders, baPostedData.GetData(),
                     static_cast<DWORD>(baPostedData.GetSize()));
}

namespace {

// A text argument of Navigate2: a string, or nothing at all for NULL.
void TextArgument(const char* psz, VARIANT* pVar)
{
    VariantInit(pVar);
    if (psz) {
        V_VT(pVar) = VT_BSTR;
        V_BSTR(pVar) = CBstr(psz).Detach();
    }
}

} // namespace

HRESULT CHtmlView::NavigateBrowser(IWebBrowser2* pBrowser, const char* lpszURL, DWORD dwFlags,
                                   const char* lpszTargetFrameName, const char* lpszHeaders, const void* lpvPostData,
                                   DWORD dwPostDataLen)
{
    if (!pBrowser || !lpszURL)
        return E_POINTER;
    CVariant url, flags, target, postData, headers;
    TextArgument(lpszURL, &url);
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = static_cast<LONG>(dwFlags);
    TextArgument(lpszTargetFrameName, &target);
    TextArgument(lpszHeaders, &headers);
    HRESULT hr = MakeByteArrayVariant(lpvPostData, dwPostDataLen, &postData);
    if (FAILED(hr))
        return hr;
    return pBrowser->Navigate2(&url, &flags, &target, &postData, &headers);
}

// BeforeNavigate2's arguments come last to first: the browser object, URL, flags,
// target frame, post data, headers, cancel flag.
void CHtmlView::FireBeforeNavigate2(DISPPARAMS* pParams)
{
    if (pParams->cArgs < 7)
        return;
    VARIANT* pArgs = pParams->rgvarg;
    IDispatch* pDisp = V_VT(&pArgs[6]) == VT_DISPATCH ? V_DISPATCH(&pArgs[6]) : NULL;
    CString strUrl = VariantText(&pArgs[5]);
    DWORD dwFlags = VariantNumber(&pArgs[4]);
    CString strTarget = VariantText(&pArgs[3]);
    CByteArray postData;
    VariantBytes(&pArgs[2], postData);
    CString strHeaders = VariantText(&pArgs[1]);
    VARIANT* pCancel = &pArgs[0];
    BOOL bCancel = V_VT(pCancel) == (VT_BYREF | VT_BOOL) && V_BOOLREF(pCancel) && *V_BOOLREF(pCancel) != VARIANT_FALSE;
    OnBeforeNavigate2(pDisp, strUrl, dwFlags, strTarget, postData, strHeaders, &bCancel);
    if (V_VT(pCancel) == (VT_BYREF | VT_BOOL) && V_BOOLREF(pCancel))
        *V_BOOLREF(pCancel) = bCancel ? VARIANT_TRUE : VARIANT_FALSE;
}

void CHtmlView::OnBeforeNavigate2(IDispatch*, const char*, DWORD, const char*, CByteArray&, const char*, BOOL*)
{
}

HRESULT CHtmlView::OnGetHostInfo(DOCHOSTUIINFO*)
{
    return S_OK;
}

HRESULT CHtmlView::OnShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*)
{
    return S_FALSE;
}

HRESULT CHtmlView::OnShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                            IOleInPlaceUIWindow*)
{
    return S_FALSE;
}

HRESULT CHtmlView::OnHideUI()
{
    return S_OK;
}

HRESULT CHtmlView::OnUpdateUI()
{
    return S_OK;
}

HRESULT CHtmlView::OnEnableModeless(BOOL)
{
    return S_OK;
}

HRESULT CHtmlView::OnDocWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT CHtmlView::OnFrameWindowActivate(BOOL)
{
    return S_OK;
}

HRESULT CHtmlView::OnResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL)
{
    return S_OK;
}

HRESULT CHtmlView::OnTranslateAccelerator(LPMSG, const GUID*, DWORD)
{
    return S_FALSE;
}

HRESULT CHtmlView::OnGetOptionKeyPath(LPOLESTR* pchKey, DWORD)
{
    if (pchKey)
        *pchKey = NULL;
    return S_FALSE;
}

HRESULT CHtmlView::OnGetDropTarget(IDropTarget*, IDropTarget** ppDropTarget)
{
    if (ppDropTarget)
        *ppDropTarget = NULL;
    return E_NOTIMPL;
}

HRESULT CHtmlView::OnGetExternal(IDispatch** ppDispatch)
{
    if (ppDispatch)
        *ppDispatch = NULL;
    return S_FALSE;
}

HRESULT CHtmlView::OnTranslateUrl(DWORD, OLECHAR*, OLECHAR** ppchURLOut)
{
    if (ppchURLOut)
        *ppchURLOut = NULL;
    return S_FALSE;
}

HRESULT CHtmlView::OnFilterDataObject(IDataObject*, IDataObject** ppDORet)
{
    if (ppDORet)
        *ppDORet = NULL;
    return S_FALSE;
}

HRESULT CHtmlView::OnShowMessage(HWND, LPOLESTR, LPOLESTR, DWORD, LPOLESTR, DWORD, LRESULT*)
{
    return S_FALSE;
}
