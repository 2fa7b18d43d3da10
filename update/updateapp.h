#ifndef UPDATE_UPDATEAPP_H
#define UPDATE_UPDATEAPP_H
// The updater's application object. All of its work happens in InitInstance: it asks the
// service whether a client newer than the one beside it exists, shows the upgrade wizard
// when one does, and after Finish, if the user agrees, ends the running client and starts
// its uninstaller. InitInstance always returns FALSE: no message loop runs after it.
#include "framework/winapp.h"
#include "msg/checkversionmessage.h"
#include "net/velorahttpengine.h"

class CUpdateApp : public CWinApp {
    DECLARE_DYNAMIC(CUpdateApp)
public:
    CUpdateApp() = default;
    BOOL InitInstance() override;
    // The framework's help command (57670) goes to the framework's help handler.
    BOOL OnCmdMsg(UINT nID) override;

    // Asks the service about the client's version and decodes the reply into GetReply().
    // Failures end as a failed head or an update type of 0; nothing is shown.
    void CheckVersion();
    // Starts "unins000.exe" from the updater's folder; reports nothing.
    void LaunchUninstaller();
    // The decoded version reply; nothing changes it after CheckVersion.
    const CCheckVersionMessage& GetReply() const { return m_reply; }

private:
    CHttpPostEngine* m_pRequest = NULL;
    CCheckVersionMessage m_reply;
};

CUpdateApp* GetUpdateApp();

#endif
