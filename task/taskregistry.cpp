#include "task/taskregistry.h"

#include "framework/trace.h"
#include "task/ihttptask.h"

namespace {
const char kBanner[] = "\n>>>>>>>>>>>>>>>>>>>>>>>\n";

TaskRegistry g_taskRegistry;
} // namespace

TaskRegistry& GetTaskRegistry()
{
    return g_taskRegistry;
}

class TaskRegistry::CLock {
public:
    explicit CLock(HANDLE hMutex) : m_hMutex(hMutex) { WaitForSingleObject(m_hMutex, INFINITE); }
    ~CLock() { ReleaseMutex(m_hMutex); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;

private:
    HANDLE m_hMutex;
};

TaskRegistry::TaskRegistry() : m_hMutex(CreateMutexA(NULL, FALSE, NULL)), m_pTasks(new std::map<long, IHttpTask*>)
{
}

void TaskRegistry::ExecuteTask(IHttpTask* pTask)
{
    if (!pTask)
        return;
    CLock lock(m_hMutex);
    if (!m_pTasks) {
        delete pTask;
        return;
    }
    long nKey = pTask->GetKey();
    while (m_pTasks->count(nKey))
        ++nKey;
    pTask->SetKey(nKey);

    TRACE("\n%s", kBanner);
    TRACE("ExecuteTask id=%ld\t", nKey);
    TRACE("%s", pTask->GetUrl().GetString());
    TRACE("%s", kBanner);

    (*m_pTasks)[nKey] = pTask;
    if (!pTask->Start()) {
        m_pTasks->erase(nKey);
        delete pTask;
    }
}

void TaskRegistry::RemoveTask(long nKey)
{
    CLock lock(m_hMutex);
    TRACE("\n%s", kBanner);
    TRACE("RemoveTask id=%ld", nKey);
    TRACE("\n%s", kBanner);
    if (!m_pTasks)
        return;
    auto it = m_pTasks->find(nKey);
    if (it == m_pTasks->end())
        return;
    IHttpTask* pTask = it->second;
    m_pTasks->erase(it);
    delete pTask;
}

// Workers still running are left to the end of the process: one stopped midway may hold
// a lock (the heap's, WinINet's) that whatever comes after would wait for. Only the map
// goes; the tasks stay, since their workers still use them.
void TaskRegistry::Shutdown()
{
    CLock lock(m_hMutex);
    delete m_pTasks;
    m_pTasks = nullptr;
}

size_t TaskRegistry::GetCount()
{
    CLock lock(m_hMutex);
    return m_pTasks ? m_pTasks->size() : 0;
}
