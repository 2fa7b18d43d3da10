#ifndef TESTS_SUPPORT_CLIENTFRAME_H
#define TESTS_SUPPORT_CLIENTFRAME_H

// A client inside the test program: Velora's application object and its main frame
// (splitter with the browser pane, status bar), made once and shown, on the thread that
// first asks for it, which then is the UI thread. No start-up sequence runs.

#include "framework/comptr.h"
#include "tests/support/wait.h"
#include "velora/mainframe.h"
#include "velora/veloraapp.h"

#include <string>
#include <vector>

class CHtmlView;

CVeloraApp& ClientApp();
CMainFrame* ClientFrame();
// PumpUntil and PumpFor (wait.h) pre-translate through the application here.

// The browser's client site of a view, as the browser holds it, and one of its
// interfaces; NULL when there is none.
CComPtr<IOleClientSite> ClientSiteOf(CHtmlView* pView);
template <class T> CComPtr<T> SiteInterface(CHtmlView* pView, REFIID riid)
{
    CComPtr<T> p;
    CComPtr<IOleClientSite> pSite = ClientSiteOf(pView);
    if (pSite)
        pSite.QueryInterface(riid, p);
    return p;
}
// The page's window.external as the browser obtains it from the site.
CComPtr<IDispatch> ExternalOf(CHtmlView* pView);
// A page of the service root.
std::string ServicePageUrl();
// The caller a script engine names in its calls (IDispatchEx::InvokeEx): the services of
// a page whose window's location.href is strUrl.
CComPtr<IServiceProvider> ScriptCaller(const std::string& strUrl);
// Calls a method of a script's external object by name with text arguments, as script
// of the page at strCallerUrl does; an empty strCallerUrl calls through IDispatch,
// naming no caller. The call's result.
HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const std::string& strCallerUrl = ServicePageUrl());

#endif
