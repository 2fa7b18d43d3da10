#ifndef VELORA_VELORAAPP_H
#define VELORA_VELORAAPP_H

// Velora's application object: the single-instance check, the platform's set-up, the
// document template (document, main frame, view), the session data the login reply
// fills in, and the task registry's two operations.

#include "framework/cstring.h"
#include "framework/winapp.h"

#include <utility>

class IHttpTask;

class CVeloraApp : public CWinApp {
public:
    CVeloraApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnCmdMsg(UINT nID) override;

    // Opens the configuration file as the application's document.
    void OpenConfigFile(CString strPath);
    void OnAppAbout();
    // The application-wide task registry: files and starts a task / removes and
    // deletes a finished one.
    void ExecuteTask(IHttpTask* pTask);
    void RemoveTask(long nKey);
    // The login reply's session data, set on the UI thread.
    void SetSessionCode(CString strSessionCode) { m_strSessionCode = std::move(strSessionCode); }
    void SetUserId(int nUserId) { m_nUserId = nUserId; }

    // The login reply's "sessioncode": empty while logged out. Written on the UI thread.
    CString m_strSessionCode;
    // The login reply's "logintype" as a number; sent as "memberid".
    int m_nUserId = 0;
};

// The application object, or NULL in a program that has none.
CVeloraApp* GetVeloraApp();

#endif
