#ifndef VELORA_LOGINREQUEST_H
#define VELORA_LOGINREQUEST_H

#include "framework/cstring.h"

#include <windows.h>

// Sends an account to the service: a login (taskLogin, from the frame at start or the
// login dialog) or a bind (taskBind, from the settings dialog). The values go in
// UTF-8 without blanks at their ends; the outcome comes back to hNotifyWnd.
void StartLogin(CString strUserName, CString strPassword, int nTaskId, HWND hNotifyWnd);

#endif
