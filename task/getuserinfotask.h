#ifndef TASK_GETUSERINFOTASK_H
#define TASK_GETUSERINFOTASK_H

#include "task/ihttptask.h"

// Fetches the logged-in member's profile for the user-information panel.
class CGetUserInfoTask : public IHttpTask {
public:
    CGetUserInfoTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CGetUserInfoTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
