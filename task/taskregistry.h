#ifndef TASK_TASKREGISTRY_H
#define TASK_TASKREGISTRY_H

// Owns every running task from ExecuteTask until RemoveTask deletes it. Tasks are
// started on the user-interface thread and removed by their own worker threads; a
// mutex guards the key-to-task map between them. At exit, Shutdown closes the registry
// for good and leaves the workers of tasks still running to the end of the process.

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
    // Closes the registry: later calls do nothing. Tasks still filed are neither
    // stopped nor deleted: their workers run on, and their RemoveTask frees nothing.
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
