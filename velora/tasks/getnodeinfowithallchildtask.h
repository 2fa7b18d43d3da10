#ifndef VELORA_TASKS_GETNODEINFOWITHALLCHILDTASK_H
#define VELORA_TASKS_GETNODEINFOWITHALLCHILDTASK_H

#include "msg/getnodeinfowithallchildmessage.h"
#include "velora/tasks/servicetask.h"

// Loads one category with all its descendants and grafts it into the main frame's
// node tree.
class CGetNodeInfoWithAllChildTask : public CServiceTask<CGetNodeInfoWithAllChildMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
