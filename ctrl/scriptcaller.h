#ifndef CTRL_SCRIPTCALLER_H
#define CTRL_SCRIPTCALLER_H
// The page whose script calls the view's methods. Script engines name their caller when
// they call window.external's methods (CAutoObject::Caller), and the caller's services
// hold the window of the calling page or frame.
#include <windows.h>

// TRUE when the external-object method running on this thread was called by script of
// a page or frame of the service root (IsServiceRootUrl, as for the security manager);
// FALSE for any other page and for a call that names no caller.
BOOL IsScriptCallerServicePage();

#endif
