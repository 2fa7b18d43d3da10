#ifndef TASK_REGISTERTASK_H
#define TASK_REGISTERTASK_H

#include "task/ihttptask.h"

// Registers a new account (id 2).
class CRegisterTask : public IHttpTask {
public:
    CRegisterTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CRegisterTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
