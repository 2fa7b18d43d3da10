#include "ctrl/scriptcaller.h"

#include "framework/autoobject.h"

#include <mshtml.h>

namespace {

// A property read by name: any scriptable window serves, whatever its interface version.
bool GetProperty(IDispatch* pObject, const wchar_t* pszName, CVariant& value)
{
    DISPID dispid = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(pszName)};
    DISPPARAMS none = {NULL, NULL, 0, 0};
    return pObject && SUCCEEDED(pObject->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid)) &&
           SUCCEEDED(
               pObject->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, NULL, NULL));
}

// The calling window, when the engine names one.
CComPtr<IDispatch> ScriptCallerWindow()
{
    IServiceProvider* pCaller = CAutoObject::Caller();
    CComPtr<IDispatch> pWindow;
    if (pCaller)
        pCaller->QueryService(SID_SHTMLWindow, IID_IDispatch, reinterpret_cast<void**>(&pWindow));
    return pWindow;
}

// The address of a window's own document: a frame's, not its parent page's.
std::wstring WindowUrl(IDispatch* pWindow)
{
    CVariant location, href;
    if (!GetProperty(pWindow, L"location", location) || V_VT(&location) != VT_DISPATCH ||
        !GetProperty(V_DISPATCH(&location), L"href", href) || V_VT(&href) != VT_BSTR || !V_BSTR(&href))
        return std::wstring();
    return V_BSTR(&href);
}

std::wstring LocationUrl(IWebBrowser2* pBrowser)
{
    BSTR bstrUrl = NULL;
    if (!pBrowser || FAILED(pBrowser->get_LocationURL(&bstrUrl)) || !bstrUrl)
        return std::wstring();
    std::wstring strUrl = bstrUrl;
    SysFreeString(bstrUrl);
    return strUrl;
}

} // namespace

std::wstring ScriptCallerPageUrl(IWebBrowser2* pTopLevel)
{
    CComPtr<IDispatch> pWindow = ScriptCallerWindow();
    return pWindow ? WindowUrl(pWindow.Get()) : LocationUrl(pTopLevel);
}
