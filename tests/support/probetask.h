#ifndef TESTS_SUPPORT_PROBETASK_H
#define TESTS_SUPPORT_PROBETASK_H

// A concrete task for tests: decodes its reply into a bare envelope, reports what it
// received to a sink and removes itself from its registry, as every real task does.

#include "task/ihttptask.h"
#include <windows.h>
#include <atomic>
#include <string>
#include <vector>

class TaskRegistry;

struct CProbeResult {
    int nId;
    std::string strReply;
    DWORD dwThreadId;
    int nErrorCode;
};

// Collects results from worker threads.
class CProbeSink {
public:
    CProbeSink();
    ~CProbeSink();
    void Add(const CProbeResult& result);
    // Waits until at least nCount results arrived; false on time-out.
    bool WaitFor(size_t nCount, DWORD dwTimeoutMs);
    std::vector<CProbeResult> Results();

private:
    CRITICAL_SECTION m_lock;
    std::vector<CProbeResult> m_results;
};

class CProbeTask : public IHttpTask {
public:
    CProbeTask(CString strPath, int nId, TaskRegistry* pRegistry, CProbeSink* pSink);
    ~CProbeTask() override;
    int Start() override;
    // Sends the request to another address than the service root.
    void PointAt(const CString& strUrl) { m_strUrl = strUrl; }
    void OnTaskFinished(int nId, std::string strReply) override;

    // Tasks alive now, and destructor calls since the start of the program.
    static std::atomic<int> s_nLive;
    static std::atomic<int> s_nDestroyed;

private:
    TaskRegistry* m_pRegistry;
    CProbeSink* m_pSink;
};

// Polls until no probe task is alive; false on time-out.
bool WaitForNoLiveTasks(DWORD dwTimeoutMs);

#endif
