#ifndef VELORA_TASKS_REGISTERTASK_H
#define VELORA_TASKS_REGISTERTASK_H

#include "msg/commonsmessage.h"
#include "velora/tasks/servicetask.h"

// Registers a new account (taskRegister).
class CRegisterTask : public CServiceTask<CCommonsMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
