#ifndef VELORA_TASKS_CHECKVERSIONTASK_H
#define VELORA_TASKS_CHECKVERSIONTASK_H

#include "msg/checkversionmessage.h"
#include "velora/tasks/servicetask.h"

// Asks whether a newer client exists; may start the updater.
class CCheckVersionTask : public CServiceTask<CCheckVersionMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
