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

namespace {

// Window and location at once: "location" gives the object itself, "href" the address.
class CFakeScriptCaller final : public IServiceProvider, public IDispatch {
public:
    explicit CFakeScriptCaller(const std::string& strUrl) : m_strUrl(strUrl) {}
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
        return IsEqualGUID(guidService, SID_SHTMLWindow) ? QueryInterface(riid, ppv) : E_NOINTERFACE;
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
};

} // namespace

std::string ServicePageUrl()
{
    return std::string(GetServiceRoot()) + "/pages/script.aspx";
}

CComPtr<IServiceProvider> ScriptCaller(const std::string& strUrl)
{
    CComPtr<IServiceProvider> pCaller;
    pCaller.Attach(new CFakeScriptCaller(strUrl));
    return pCaller;
}

HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const std::string& strCallerUrl)
{
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR pszNames[] = {const_cast<LPOLESTR>(pszName)};
    HRESULT hr = pObject->GetIDsOfNames(IID_NULL, pszNames, 1, 0, &dispid);
    if (FAILED(hr))
        return hr;
    // Script passes its arguments last to first, as strings.
    std::vector<VARIANT> variants(args.size());
    for (size_t i = 0; i < args.size(); ++i) {
        VARIANT& var = variants[args.size() - 1 - i];
        VariantInit(&var);
        V_VT(&var) = VT_BSTR;
        V_BSTR(&var) = CBstr(args[i].c_str()).Detach();
    }
    DISPPARAMS params = {variants.data(), NULL, static_cast<UINT>(variants.size()), 0};
    CVariant result;
    CComPtr<IDispatchEx> pObjectEx;
    if (strCallerUrl.empty())
        hr = pObject->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, &result, NULL, NULL);
    else if (SUCCEEDED(hr = pObject->QueryInterface(__uuidof(IDispatchEx), reinterpret_cast<void**>(&pObjectEx))))
        hr = pObjectEx->InvokeEx(dispid, 0, DISPATCH_METHOD, &params, &result, NULL, ScriptCaller(strCallerUrl).Get());
    for (VARIANT& var : variants)
        VariantClear(&var);
    return hr;
}
