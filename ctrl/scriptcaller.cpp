#include "ctrl/scriptcaller.h"

#include "ctrl/dochostsite.h"
#include "framework/autoobject.h"

#include <mshtml.h>
#include <string>

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

// The address of the calling window's own document: a frame's, not its parent page's.
std::wstring ScriptCallerUrl()
{
    IServiceProvider* pCaller = CAutoObject::Caller();
    CComPtr<IDispatch> pWindow;
    if (!pCaller || FAILED(pCaller->QueryService(SID_SHTMLWindow, IID_IDispatch, reinterpret_cast<void**>(&pWindow))))
        return std::wstring();
    CVariant location, href;
    if (!GetProperty(pWindow.Get(), L"location", location) || V_VT(&location) != VT_DISPATCH ||
        !GetProperty(V_DISPATCH(&location), L"href", href) || V_VT(&href) != VT_BSTR || !V_BSTR(&href))
        return std::wstring();
    return V_BSTR(&href);
}

} // namespace

BOOL IsScriptCallerServicePage()
{
    std::wstring strUrl = ScriptCallerUrl();
    return !strUrl.empty() && IsServiceRootUrl(strUrl.c_str());
}
