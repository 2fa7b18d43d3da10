#include "velora/loginrequest.h"

#include "util/codepage.h"
#include "velora/tasks/logintask.h"
#include "velora/veloraapp.h"

void StartLogin(CString strUserName, CString strPassword, int nTaskId, HWND hNotifyWnd)
{
    AnsiToUtf8(strUserName);
    AnsiToUtf8(strPassword);
    CLoginTask* pTask = new CLoginTask("/client/login/", nTaskId, hNotifyWnd);
    pTask->AddParam("user", strUserName.Trim());
    pTask->AddParam("pass", strPassword.Trim());
    GetVeloraApp()->ExecuteTask(pTask);
}
