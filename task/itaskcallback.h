#ifndef TASK_ITASKCALLBACK_H
#define TASK_ITASKCALLBACK_H

#include <string>

// Receives a finished task's reply, on the task's worker thread. Never deleted
// through this interface.
class ITaskCallback {
public:
    virtual void OnTaskFinished(int nId, std::string strReply) = 0;

protected:
    ~ITaskCallback() = default;
};

#endif
