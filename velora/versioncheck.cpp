#include "velora/versioncheck.h"

#include "util/fileversion.h"
#include "util/process.h"
#include "velora/tasks/checkversiontask.h"
#include "velora/tasks/taskid.h"
#include "velora/veloraapp.h"

void StartVersionCheck(HWND hNotifyWnd)
{
    CCheckVersionTask* pTask = new CCheckVersionTask("/client/update/", taskVersionCheck, hNotifyWnd);
    pTask->AddParam("mobmodel", "pc");
    pTask->AddParam("mobverno", "pc");
    pTask->AddParam("clienttype", "5");
    pTask->AddParam("clientverno", GetFileVersion(NULL));
    pTask->AddParam("info", "pc");
    GetVeloraApp()->ExecuteTask(pTask);
}

LRESULT OnCheckVersionResult(HWND hOwner)
{
    if (::MessageBoxA(hOwner, "检测到新的更新版本，现在需要更新吗？", "维罗路书", MB_OKCANCEL | MB_ICONINFORMATION) ==
        IDOK)
        LaunchUpdater();
    return 0;
}
