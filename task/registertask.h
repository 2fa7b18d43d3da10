#ifndef TASK_REGISTERTASK_H
#define TASK_REGISTERTASK_H

#include "msg/commonsmessage.h"
#include "task/servicetask.h"

// Registers a new account (id 2).
class CRegisterTask : public CServiceTask<CCommonsMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
