#include "tests/support/clientframe.h"

#include "framework/htmlview.h"
#include "framework/uicall.h"
#include "net/serviceroot.h"
#include "velora/resource.h"

#include <dispex.h>
#include <mshtml.h>
#include <wchar.h>

namespace {

CVeloraApp theApp;
// The pumps of the tests pre-translate as the application's loop does.
const bool g_bFiltered = (SetPumpFilter([](MSG* pMsg) { return theApp.PreTranslateMessage(pMsg); }), true);

} // namespace

CVeloraApp& ClientApp()
{
    return theApp;
}

CMainFrame* ClientFrame()
{
    static CMainFrame* s_pFrame = [] {
        AfxOleInit();
        CUiCall::CreateWindowForThread();
        CMainFrame* pFrame = new CMainFrame;
        pFrame->m_bStarted = TRUE;
        if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL))
            return static_cast<CMainFrame*>(nullptr);
        theApp.m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        return pFrame;
    }();
    return s_pFrame;
}

CComPtr<IOleClientSite> ClientSiteOf(CHtmlView* pView)
{
    CComPtr<IOleObject> pObject;
    CComPtr<IOleClientSite> pSite;
    if (pView && pView->GetBrowser() &&
        SUCCEEDED(pView->GetBrowser()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&pObject))))
        pObject->GetClientSite(&pSite);
    return pSite;
}

CComPtr<IDispatch> ExternalOf(CHtmlView* pView)
{
    CComPtr<IDispatch> pExternal;
    CComPtr<IDocHostUIHandler> pHandler = SiteInterface<IDocHostUIHandler>(pView, IID_IDocHostUIHandler);
    if (pHandler)
        pHandler->GetExternal(&pExternal);
    return pExternal;
}

bool ShowPage(CHtmlView* pView, const std::string& strUrl)
{
    if (!pView || !pView->GetBrowser() || !pView->Navigate2(strUrl.c_str()))
        return false;
    const std::wstring strWide(strUrl.begin(), strUrl.end());
    return PumpUntil(
        [&] {
            BSTR bstrUrl = NULL;
            bool bShown = SUCCEEDED(pView->GetBrowser()->get_LocationURL(&bstrUrl)) && bstrUrl && strWide == bstrUrl;
            SysFreeString(bstrUrl);
            return bShown;
        },
        15000);
}

namespace {

// Window and location at once: "location" gives the object itself, "href" the address.
class CFakeScriptCaller final : public IServiceProvider, public IDispatch {
public:
    CFakeScriptCaller(const std::string& strUrl, bool bWindow) : m_strUrl(strUrl), m_bWindow(bWindow) {}
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IServiceProvider))
            *ppv = static_cast<IServiceProvider*>(this);
        else if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
            *ppv = static_cast<IDispatch*>(this);
        if (*ppv)
            AddRef();
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return static_cast<ULONG>(InterlockedIncrement(&m_nRef)); }
    STDMETHOD_(ULONG, Release)() override
    {
        LONG nRef = InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete this;
        return static_cast<ULONG>(nRef);
    }
    STDMETHOD(QueryService)(REFGUID guidService, REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        return m_bWindow && IsEqualGUID(guidService, SID_SHTMLWindow) ? QueryInterface(riid, ppv) : E_NOINTERFACE;
    }
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override
    {
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        ids[0] = wcscmp(names[0], L"location") == 0 ? 1 : wcscmp(names[0], L"href") == 0 ? 2 : DISPID_UNKNOWN;
        return ids[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
    }
    STDMETHOD(Invoke)(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* pResult, EXCEPINFO*, UINT*) override
    {
        if (id == 1) {
            V_VT(pResult) = VT_DISPATCH;
            V_DISPATCH(pResult) = this;
            AddRef();
        } else {
            V_VT(pResult) = VT_BSTR;
            V_BSTR(pResult) = CBstr(m_strUrl.c_str()).Detach();
        }
        return S_OK;
    }

private:
    ~CFakeScriptCaller() = default;
    LONG m_nRef = 1;
    std::string m_strUrl;
    bool m_bWindow;
};

} // namespace

std::string ServicePageUrl()
{
    return std::string(GetServiceRoot()) + "/pages/script.aspx";
}

CComPtr<IServiceProvider> ScriptCaller(const std::string& strUrl, bool bWindow)
{
    CComPtr<IServiceProvider> pCaller;
    pCaller.Attach(new CFakeScriptCaller(strUrl, bWindow));
    return pCaller;
}

HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const CScriptCall& call)
{
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR pszNames[] = {const_cast<LPOLESTR>(pszName)};
    HRESULT hr = pObject->GetIDsOfNames(IID_NULL, pszNames, 1, 0, &dispid);
    if (FAILED(hr))
        return hr;
    // The named "this" comes first, then the arguments last to first, as strings.
    const size_t nThis = call.bThis ? 1 : 0;
    std::vector<VARIANT> variants(nThis + args.size());
    for (VARIANT& var : variants)
        VariantInit(&var);
    if (call.bThis) {
        V_VT(&variants[0]) = VT_DISPATCH;
        V_DISPATCH(&variants[0]) = pObject;
        pObject->AddRef();
    }
    for (size_t i = 0; i < args.size(); ++i) {
        VARIANT& var = variants[nThis + args.size() - 1 - i];
        V_VT(&var) = VT_BSTR;
        V_BSTR(&var) = CBstr(args[i].c_str()).Detach();
    }
    DISPID thisId = DISPID_THIS;
    DISPPARAMS params = {variants.data(), call.bThis ? &thisId : NULL, static_cast<UINT>(variants.size()),
                         static_cast<UINT>(nThis)};
    CVariant result;
    CComPtr<IDispatchEx> pObjectEx;
    CComPtr<IServiceProvider> pCaller;
    if (call.how == CScriptCall::kPage || call.how == CScriptCall::kNoWindow)
        pCaller = ScriptCaller(call.strPageUrl, call.how == CScriptCall::kPage);
    if (call.how == CScriptCall::kPlainInvoke)
        hr = pObject->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, &result, NULL, NULL);
    else if (SUCCEEDED(hr = pObject->QueryInterface(__uuidof(IDispatchEx), reinterpret_cast<void**>(&pObjectEx))))
        hr = pObjectEx->InvokeEx(dispid, 0, DISPATCH_METHOD, &params, &result, NULL, pCaller.Get());
    for (VARIANT& var : variants)
        VariantClear(&var);
    return hr;
}

HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const std::string& strCallerUrl)
{
    CScriptCall call;
    call.how = strCallerUrl.empty() ? CScriptCall::kPlainInvoke : CScriptCall::kPage;
    call.strPageUrl = strCallerUrl;
    return CallByName(pObject, pszName, args, call);
}
