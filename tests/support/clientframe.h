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
// Navigates pView to strUrl and waits until its browser gives that address as the
// top-level page's location (no page is drawn here, but the address is taken).
bool ShowPage(CHtmlView* pView, const std::string& strUrl);
// A page of the service root.
std::string ServicePageUrl();
// The caller a script engine names in its calls (IDispatchEx::InvokeEx): the services of
// a page whose window's location.href is strUrl; without bWindow, services that give
// no window.
CComPtr<IServiceProvider> ScriptCaller(const std::string& strUrl, bool bWindow = true);

// How a script engine calls: whom it names as the caller, and whether it passes the
// caller's "this" as the first named argument (DISPID_THIS), as the documentation of
// IDispatchEx::InvokeEx allows.
struct CScriptCall {
    enum EHow {
        kPage,        // InvokeEx with the services of the page at strPageUrl
        kNoWindow,    // InvokeEx with services that give no window
        kNoServices,  // InvokeEx without services
        kPlainInvoke, // IDispatch::Invoke
    };
    EHow how = kPage;
    std::string strPageUrl = ServicePageUrl();
    bool bThis = false;
};
// Calls a method of a script's external object by name with text arguments, as call
// says. The call's result.
HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const CScriptCall& call);
// The same as script of the page at strCallerUrl calls; an empty strCallerUrl calls
// through IDispatch, naming no caller.
HRESULT CallByName(IDispatch* pObject, const wchar_t* pszName, const std::vector<std::string>& args,
                   const std::string& strCallerUrl = ServicePageUrl());

#endif
