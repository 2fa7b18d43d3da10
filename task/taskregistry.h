#ifndef TASK_TASKREGISTRY_H
#define TASK_TASKREGISTRY_H

// Owns every running task from ExecuteTask until RemoveTask deletes it. Tasks are
// started on the user-interface thread and removed by their own worker threads; a
// mutex guards the key-to-task map between them. At exit, Shutdown stops the threads
// of tasks still running and closes the registry for good.

#include <windows.h>
#include <map>
#include <cstddef>

class IHttpTask;

class TaskRegistry {
public:
    TaskRegistry();
    TaskRegistry(const TaskRegistry&) = delete;
    TaskRegistry& operator=(const TaskRegistry&) = delete;

    // Files the task under a free key (moving its key on if needed) and starts it.
    // A task that cannot start is unfiled and deleted; after Shutdown the task is
    // deleted unstarted.
    void ExecuteTask(IHttpTask* pTask);
    // Removes and deletes the task filed under the key; an unknown key does nothing.
    void RemoveTask(long nKey);
    // Terminates the threads of the tasks still filed (exit code 4) and closes the
    // registry: later calls do nothing. The tasks themselves are not deleted, as
    // their threads may have died holding them.
    void Shutdown();

    size_t GetCount();

private:
    class CLock;

    HANDLE m_hMutex;
    std::map<long, IHttpTask*>* m_pTasks;
};

// The application-wide registry, made during static initialisation.
TaskRegistry& GetTaskRegistry();

#endif
