#ifndef TASK_GETNODEINFOWITHALLCHILDTASK_H
#define TASK_GETNODEINFOWITHALLCHILDTASK_H

#include "task/ihttptask.h"

// Loads one category with all its descendants and grafts it into the main frame's
// node tree.
class CGetNodeInfoWithAllChildTask : public IHttpTask {
public:
    CGetNodeInfoWithAllChildTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CGetNodeInfoWithAllChildTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
