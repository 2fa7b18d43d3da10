#ifndef VELORA_TASKS_SERVICETASK_H
#define VELORA_TASKS_SERVICETASK_H

// What the service tasks share: the running client's objects they change, reached
// only on the UI thread.

#include "task/ihttptask.h"

#include <functional>
#include <windows.h>

class CMainFrame;
class CVeloraApp;

// Runs fn on the UI thread with the application object and its main frame (NULL when
// there is none), and waits for it. FALSE when the UI thread no longer takes calls:
// fn did not run and the caller frees what it would have handed over.
BOOL OnUiThread(const std::function<void(CVeloraApp* pApp, CMainFrame* pFrame)>& fn);

// The last act of every task: the registry deletes it.
void RemoveFinishedTask(long nKey);

// True when hNotifyWnd is the application's main window.
bool IsMainWindow(HWND hNotifyWnd);

// A service task: reports to the window that started it and decodes its reply into a
// TMessage. Each task's own part is its OnTaskFinished.
template <class TMessage> class CServiceTask : public IHttpTask {
public:
    CServiceTask(CString strPath, int nId, HWND hNotifyWnd) : IHttpTask(strPath, nId)
    {
        m_hNotifyWnd = hNotifyWnd;
        m_pMessage = new TMessage;
    }
    int Start() override
    {
        SetCallback(this);
        return IHttpTask::Start();
    }

protected:
    TMessage* Message() const { return static_cast<TMessage*>(m_pMessage); }
};

#endif
