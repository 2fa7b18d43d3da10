#include "tests/support/clientframe.h"

#include "framework/htmlview.h"
#include "framework/uicall.h"
#include "velora/resource.h"

namespace {

CVeloraApp theApp;

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

bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (!theApp.PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (done())
            return true;
        if (GetTickCount() - dwStart >= dwTimeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD dwMs)
{
    PumpUntil([] { return false; }, dwMs);
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

HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args)
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
    hr = pObject->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, &result, NULL, NULL);
    for (VARIANT& var : variants)
        VariantClear(&var);
    return hr;
}
