#ifndef TASK_ITASK_H
#define TASK_ITASK_H

// The common part of every task: an id chosen by its creator and the key under
// which the task registry files it (the tick count at creation plus the id).

class ITask {
public:
    explicit ITask(int nId);
    virtual ~ITask() {}
    // Starts the task; FALSE when it could not be started.
    virtual int Start() = 0;
    virtual void Stop() = 0;

    int GetId() const { return m_nId; }
    long GetKey() const { return m_nKey; }
    // The registry moves the key on when another task is already filed under it.
    void SetKey(long nKey) { m_nKey = nKey; }

private:
    int m_nId;
    long m_nKey;
};

#endif
