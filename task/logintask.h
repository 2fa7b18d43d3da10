#ifndef TASK_LOGINTASK_H
#define TASK_LOGINTASK_H

#include "task/ihttptask.h"

// Logs in (id 0) or binds an account (id 1).
class CLoginTask : public IHttpTask {
public:
    CLoginTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CLoginTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
