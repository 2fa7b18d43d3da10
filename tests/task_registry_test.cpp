#include "msg/msghead.h"
#include "task/taskregistry.h"
#include "tests/support/probetask.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>
#include <new>
#include <set>

namespace {

const char kPath[] = "/client/Tree/getchildnode.aspx";

class Registry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
        ASSERT_TRUE(WaitForNoLiveTasks(1000));
    }
    void TearDown() override
    {
        EXPECT_TRUE(WaitForNoLiveTasks(10000));
        EXPECT_EQ(0u, m_registry.GetCount());
    }

    CProbeTask* NewTask(int nId, const char* pszPath = kPath)
    {
        return new CProbeTask(pszPath, nId, &m_registry, &m_sink);
    }

    TaskRegistry m_registry;
    CProbeSink m_sink;
};

// A task whose worker thread cannot be started.
class CUnstartableTask : public CProbeTask {
public:
    using CProbeTask::CProbeTask;
    int Start() override { return FALSE; }
};

// A task whose callback runs out of memory.
class COutOfMemoryTask : public CProbeTask {
public:
    using CProbeTask::CProbeTask;
    void OnTaskFinished(int, std::string) override { throw std::bad_alloc(); }
};

} // namespace

TEST_F(Registry, TaskIsPostedOnItsOwnThreadAndRemovesItself)
{
    // The service answers in UTF-8 ("\xE5\xA5\xBD"); the callback gets code page 936.
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, "{\"errorcode\":0,\"error\":\"\xE5\xA5\xBD\"}"));
    CProbeTask* pTask = NewTask(3);
    pTask->AddParam("pid", "0");
    m_registry.ExecuteTask(pTask);
    ASSERT_TRUE(m_sink.WaitFor(1, 10000));

    std::vector<CProbeResult> results = m_sink.Results();
    EXPECT_EQ(3, results[0].nId);
    EXPECT_EQ("{\"errorcode\":0,\"error\":\"好\"}", results[0].strReply);
    EXPECT_NE(GetCurrentThreadId(), results[0].dwThreadId);
    EXPECT_EQ(0, results[0].nErrorCode);
    ASSERT_TRUE(WaitForNoLiveTasks(5000));
    EXPECT_EQ(0u, m_registry.GetCount());

    std::vector<CReceivedRequest> requests = StandIn::Requests(kPath);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("pid=0&", requests[0].body);
}

TEST_F(Registry, UnreachableServiceStillCallsBackWithEmptyReply)
{
    CProbeTask* pTask = NewTask(6);
    pTask->PointAt(CString("http://127.0.0.1:" + std::to_string(StandIn::ClosedPort()) + "/client/update/"));
    m_registry.ExecuteTask(pTask);
    ASSERT_TRUE(m_sink.WaitFor(1, 20000));
    EXPECT_EQ("", m_sink.Results()[0].strReply);
    EXPECT_EQ(-1, m_sink.Results()[0].nErrorCode);
}

TEST_F(Registry, FailedStatusDeliversEmptyReply)
{
    ASSERT_TRUE(StandIn::QueueReply(kPath, 500, "{\"errorcode\":0}"));
    m_registry.ExecuteTask(NewTask(4));
    ASSERT_TRUE(m_sink.WaitFor(1, 10000));
    EXPECT_EQ("", m_sink.Results()[0].strReply);
}

TEST_F(Registry, HundredTasksAtOnceAreAllAnsweredAndDeleted)
{
    const int kTasks = 100;
    int nDestroyedBefore = CProbeTask::s_nDestroyed;
    for (int i = 0; i < kTasks; ++i) {
        CProbeTask* pTask = NewTask(i % 7);
        pTask->AddParam("pid", std::to_string(i).c_str());
        m_registry.ExecuteTask(pTask);
    }
    ASSERT_TRUE(m_sink.WaitFor(kTasks, 60000));
    ASSERT_TRUE(WaitForNoLiveTasks(10000));
    EXPECT_EQ(kTasks, CProbeTask::s_nDestroyed - nDestroyedBefore);
    EXPECT_EQ(0u, m_registry.GetCount());

    std::set<std::string> bodies;
    for (const CReceivedRequest& request : StandIn::Requests(kPath))
        bodies.insert(request.body);
    EXPECT_EQ(static_cast<size_t>(kTasks), bodies.size());
}

// Two tasks with one id made within one tick share a key: both must still be filed,
// answered and deleted exactly once.
TEST_F(Registry, SameIdInTheSameTickIsEachAnsweredAndDeletedOnce)
{
    CProbeTask* pFirst = nullptr;
    CProbeTask* pSecond = nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        pFirst = NewTask(4);
        pSecond = NewTask(4);
        if (pFirst->GetKey() == pSecond->GetKey())
            break;
        delete pFirst;
        delete pSecond;
        pFirst = pSecond = nullptr;
    }
    ASSERT_NE(nullptr, pFirst) << "could not make two tasks within one tick";
    int nDestroyedBefore = CProbeTask::s_nDestroyed;

    CScriptedReply slow;
    slow.body = "{\"errorcode\":1}";
    slow.delayMs = 500;
    ASSERT_TRUE(StandIn::QueueReply(kPath, slow));
    ASSERT_TRUE(StandIn::QueueReply(kPath, slow));
    m_registry.ExecuteTask(pFirst);
    m_registry.ExecuteTask(pSecond);
    EXPECT_EQ(2u, m_registry.GetCount());
    EXPECT_NE(pFirst->GetKey(), pSecond->GetKey());

    ASSERT_TRUE(m_sink.WaitFor(2, 10000));
    ASSERT_TRUE(WaitForNoLiveTasks(5000));
    EXPECT_EQ(2, CProbeTask::s_nDestroyed - nDestroyedBefore);
    EXPECT_EQ(2u, m_sink.Results().size());
}

TEST_F(Registry, TaskThatCannotStartIsUnfiledAndDeleted)
{
    int nDestroyedBefore = CProbeTask::s_nDestroyed;
    m_registry.ExecuteTask(new CUnstartableTask(kPath, 3, &m_registry, &m_sink));
    EXPECT_EQ(0u, m_registry.GetCount());
    EXPECT_EQ(1, CProbeTask::s_nDestroyed - nDestroyedBefore);
    EXPECT_TRUE(m_sink.Results().empty());
}

TEST_F(Registry, RemovingAnUnknownKeyDoesNothing)
{
    CScriptedReply slow;
    slow.body = "{}";
    slow.delayMs = 300;
    ASSERT_TRUE(StandIn::QueueReply(kPath, slow));
    CProbeTask* pTask = NewTask(3);
    m_registry.ExecuteTask(pTask);
    m_registry.RemoveTask(pTask->GetKey() + 100000);
    EXPECT_EQ(1u, m_registry.GetCount());
    ASSERT_TRUE(m_sink.WaitFor(1, 10000));
}

// The worker's barrier ends the thread (exit code 1): the task has failed, never
// reported nor removed itself, and the program goes on.
TEST_F(Registry, OutOfMemoryOnAWorkerFailsItsTaskNotTheProgram)
{
    CScriptedReply slow;
    slow.body = "{}";
    slow.delayMs = 300;
    ASSERT_TRUE(StandIn::QueueReply(kPath, slow));
    CProbeTask* pTask = new COutOfMemoryTask(kPath, 3, &m_registry, &m_sink);
    m_registry.ExecuteTask(pTask);
    HANDLE hThread = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, pTask->GetWorkerThreadId());
    ASSERT_NE(nullptr, hThread);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 10000));
    DWORD dwExitCode = 0;
    EXPECT_TRUE(GetExitCodeThread(hThread, &dwExitCode));
    EXPECT_EQ(1u, dwExitCode);
    CloseHandle(hThread);
    EXPECT_EQ(1u, m_registry.GetCount());
    m_registry.RemoveTask(pTask->GetKey());
}

TEST(RegistryGlobal, ApplicationRegistryExists)
{
    EXPECT_EQ(0u, GetTaskRegistry().GetCount());
    EXPECT_EQ(&GetTaskRegistry(), &GetTaskRegistry());
}
