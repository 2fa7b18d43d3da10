#ifndef VELORA_TASKS_GETUSERINFOTASK_H
#define VELORA_TASKS_GETUSERINFOTASK_H

#include "msg/getuserinfomessage.h"
#include "velora/tasks/servicetask.h"

// Fetches the logged-in member's profile for the user-information panel.
class CGetUserInfoTask : public CServiceTask<CGetUserInfoMessage> {
public:
    using CServiceTask::CServiceTask;
    void OnTaskFinished(int nId, std::string strReply) override;
};

#endif
