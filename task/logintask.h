#ifndef TASK_LOGINTASK_H
#define TASK_LOGINTASK_H

#include "msg/loginmessage.h"
#include "task/servicetask.h"

// Logs in (id 0) or binds an account (id 1).
class CLoginTask : public CServiceTask<CLoginMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
