#ifndef VELORA_TASKS_GETNODELISTTASK_H
#define VELORA_TASKS_GETNODELISTTASK_H

#include "msg/getnodelistmessage.h"
#include "velora/tasks/servicetask.h"

// Loads the child list of one node: the top-level categories (taskCategories) or one
// node's children (taskNodeChildren), into the main frame's node tree.
class CGetNodeListTask : public CServiceTask<CGetNodeListMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
