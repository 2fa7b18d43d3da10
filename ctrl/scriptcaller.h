#ifndef CTRL_SCRIPTCALLER_H
#define CTRL_SCRIPTCALLER_H
// The page whose script calls the view's methods. Script engines may name their caller
// when they call window.external's methods (CAutoObject::Caller), and the caller's
// services may hold the window of the calling page or frame. Where the engine names no
// window, the call can only be judged by the page the browser shows.
#include <exdisp.h>
#include <string>

// The address by which the external-object method running on this thread judges its
// caller: the calling page's or frame's own address when the engine names the caller's
// window; for a call that names none (plain IDispatch, an engine without caller
// services, services without a window), the address of the top-level page that
// pTopLevel shows. Empty when it cannot be read.
std::wstring ScriptCallerPageUrl(IWebBrowser2* pTopLevel);

#endif
