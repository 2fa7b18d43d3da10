#ifndef VELORA_TASKS_LOGINTASK_H
#define VELORA_TASKS_LOGINTASK_H

#include "msg/loginmessage.h"
#include "velora/tasks/servicetask.h"

// Logs in (taskLogin) or binds an account (taskBind).
class CLoginTask : public CServiceTask<CLoginMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
