#include "velora/tasks/servicetask.h"

#include "framework/uicall.h"
#include "task/taskregistry.h"
#include "velora/mainframe.h"
#include "velora/veloraapp.h"

BOOL OnUiThread(const std::function<void(CVeloraApp* pApp, CMainFrame* pFrame)>& fn)
{
    return CUiCall::Call([&fn] { fn(GetVeloraApp(), dynamic_cast<CMainFrame*>(AfxGetMainWnd())); });
}

void RemoveFinishedTask(long nKey)
{
    if (CVeloraApp* pApp = GetVeloraApp())
        pApp->RemoveTask(nKey);
    else
        GetTaskRegistry().RemoveTask(nKey);
}

bool IsMainWindow(HWND hNotifyWnd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd && pMainWnd->GetSafeHwnd() == hNotifyWnd;
}
