#include "task/taskregistry.h"
#include "tests/support/probetask.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>

// Its own program: terminating worker threads in the middle of WinINet calls may
// leave WinINet unusable for the rest of the process.
TEST(RegistryShutdown, TerminatesFiledTasksAndClosesTheRegistry)
{
    const char kPath[] = "/client/getuserinfo/getuserinfo.aspx";
    ASSERT_TRUE(StandIn::Reset());
    TaskRegistry registry;
    CProbeSink sink;
    CScriptedReply stalled;
    stalled.body = "{}";
    stalled.delayMs = 8000;
    ASSERT_TRUE(StandIn::QueueReply(kPath, stalled));
    ASSERT_TRUE(StandIn::QueueReply(kPath, stalled));

    CProbeTask* pFirst = new CProbeTask(kPath, 6, &registry, &sink);
    CProbeTask* pSecond = new CProbeTask(kPath, 6, &registry, &sink);
    registry.ExecuteTask(pFirst);
    registry.ExecuteTask(pSecond);
    ASSERT_EQ(2u, registry.GetCount());
    for (int i = 0; i < 100 && StandIn::Requests(kPath).size() < 2; ++i)
        Sleep(50);
    ASSERT_EQ(2u, registry.GetCount());

    registry.Shutdown();
    DWORD dwExit = 0;
    ASSERT_TRUE(GetExitCodeThread(pFirst->GetThread(), &dwExit));
    EXPECT_EQ(4u, dwExit);
    ASSERT_TRUE(GetExitCodeThread(pSecond->GetThread(), &dwExit));
    EXPECT_EQ(4u, dwExit);
    EXPECT_EQ(0u, registry.GetCount());

    // Closed: removing does nothing (the tasks stay alive), a new task is not started.
    int nDestroyedBefore = CProbeTask::s_nDestroyed;
    registry.RemoveTask(pFirst->GetKey());
    EXPECT_EQ(nDestroyedBefore, CProbeTask::s_nDestroyed);
    registry.ExecuteTask(new CProbeTask(kPath, 3, &registry, &sink));
    EXPECT_EQ(nDestroyedBefore + 1, CProbeTask::s_nDestroyed);
    registry.Shutdown();
    EXPECT_TRUE(sink.Results().empty());
    EXPECT_EQ(2u, StandIn::Requests(kPath).size());
}
