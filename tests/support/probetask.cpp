#include "tests/support/probetask.h"

#include "msg/commonsmessage.h"
#include "task/taskregistry.h"
#include "tests/support/wait.h"

std::atomic<int> CProbeTask::s_nLive{0};
std::atomic<int> CProbeTask::s_nDestroyed{0};

CProbeSink::CProbeSink()
{
    InitializeCriticalSection(&m_lock);
}

CProbeSink::~CProbeSink()
{
    DeleteCriticalSection(&m_lock);
}

void CProbeSink::Add(const CProbeResult& result)
{
    EnterCriticalSection(&m_lock);
    m_results.push_back(result);
    LeaveCriticalSection(&m_lock);
}

bool CProbeSink::WaitFor(size_t nCount, DWORD dwTimeoutMs)
{
    return WaitUntil([&] { return Results().size() >= nCount; }, dwTimeoutMs);
}

std::vector<CProbeResult> CProbeSink::Results()
{
    EnterCriticalSection(&m_lock);
    std::vector<CProbeResult> copy = m_results;
    LeaveCriticalSection(&m_lock);
    return copy;
}

CProbeTask::CProbeTask(CString strPath, int nId, TaskRegistry* pRegistry, CProbeSink* pSink)
    : IHttpTask(strPath, nId), m_pRegistry(pRegistry), m_pSink(pSink)
{
    m_pMessage = new CCommonsMessage;
    ++s_nLive;
}

CProbeTask::~CProbeTask()
{
    --s_nLive;
    ++s_nDestroyed;
}

int CProbeTask::Start()
{
    SetCallback(this);
    return IHttpTask::Start();
}

void CProbeTask::OnTaskFinished(int nId, std::string strReply)
{
    IHttpTask::OnTaskFinished(nId, strReply);
    m_pMessage->Decode(strReply);
    m_pSink->Add({nId, strReply, GetCurrentThreadId(), m_pMessage->GetHead()->GetErrorCode()});
    m_pRegistry->RemoveTask(GetKey());
}

bool WaitForNoLiveTasks(DWORD dwTimeoutMs)
{
    return WaitUntil([] { return CProbeTask::s_nLive.load() == 0; }, dwTimeoutMs);
}
