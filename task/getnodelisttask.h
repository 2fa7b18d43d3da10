#ifndef TASK_GETNODELISTTASK_H
#define TASK_GETNODELISTTASK_H

#include "msg/getnodelistmessage.h"
#include "task/servicetask.h"

// Loads the child list of one node: the top-level categories (id 3) or one node's
// children (id 4), into the main frame's node tree.
class CGetNodeListTask : public CServiceTask<CGetNodeListMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
