#ifndef TASK_GETNODELISTTASK_H
#define TASK_GETNODELISTTASK_H

#include "task/ihttptask.h"

// Loads the child list of one node: the top-level categories (id 3) or one node's
// children (id 4), into the main frame's node tree.
class CGetNodeListTask : public IHttpTask {
public:
    CGetNodeListTask(CString strPath, int nId, HWND hNotifyWnd);
    ~CGetNodeListTask() override;
    int Start() override;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
