#ifndef TASK_CHECKVERSIONTASK_H
#define TASK_CHECKVERSIONTASK_H

#include "task/ihttptask.h"

// Asks whether a newer client exists; may start the updater.
class CCheckVersionTask : public IHttpTask {
public:
    CCheckVersionTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CCheckVersionTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
