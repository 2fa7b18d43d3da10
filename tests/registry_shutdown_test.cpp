#include "task/taskregistry.h"
#include "tests/support/probetask.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>

// Its own program: the workers it leaves running outlive the registry's use.
TEST(RegistryShutdown, LeavesRunningWorkersAloneAndClosesTheRegistry)
{
    const char kPath[] = "/client/getuserinfo/getuserinfo.aspx";
    ASSERT_TRUE(StandIn::Reset());
    TaskRegistry registry;
    CProbeSink sink;
    CScriptedReply stalled;
    stalled.body = "{}";
    stalled.delayMs = 1500;
    ASSERT_TRUE(StandIn::QueueReply(kPath, stalled));
    ASSERT_TRUE(StandIn::QueueReply(kPath, stalled));

    registry.ExecuteTask(new CProbeTask(kPath, 6, &registry, &sink));
    registry.ExecuteTask(new CProbeTask(kPath, 6, &registry, &sink));
    ASSERT_EQ(2u, registry.GetCount());
    StandIn::WaitForRequests(kPath, 2, 5000, 50);
    ASSERT_EQ(2u, registry.GetCount());

    // Both workers wait in their requests: shutting down neither waits for nor stops them.
    int nDestroyedBefore = CProbeTask::s_nDestroyed;
    DWORD dwStart = GetTickCount();
    registry.Shutdown();
    EXPECT_LT(GetTickCount() - dwStart, 500u);
    EXPECT_EQ(0u, registry.GetCount());
    EXPECT_TRUE(sink.Results().empty());

    // Closed: a new task is deleted unstarted.
    registry.ExecuteTask(new CProbeTask(kPath, 3, &registry, &sink));
    EXPECT_EQ(nDestroyedBefore + 1, CProbeTask::s_nDestroyed);

    // The workers finish on their own; their removal frees nothing, as the tasks they
    // run on are theirs until the process ends.
    ASSERT_TRUE(sink.WaitFor(2, 15000));
    Sleep(200);
    EXPECT_EQ(nDestroyedBefore + 1, CProbeTask::s_nDestroyed);
    EXPECT_EQ(2, CProbeTask::s_nLive);
    registry.Shutdown();
    EXPECT_EQ(2u, StandIn::Requests(kPath).size());
}
