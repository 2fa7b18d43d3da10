#include "net/velorahttpengine.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {

// The largest single allocation of this program since the test last reset it.
std::atomic<size_t> g_nLargestAllocation{0};

const char kPath[] = "/client/login/";

class PostEngine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer"; }

    CString Post(const CString& body, const std::string& path = kPath)
    {
        CHttpPostEngine engine(CString(StandIn::Root() + path), body);
        return engine.Post();
    }

    static std::string Pattern(size_t n)
    {
        std::string text;
        for (size_t i = 0; i < n; ++i)
            text += static_cast<char>('a' + i % 26);
        return text;
    }
};

} // namespace

void* operator new(std::size_t nSize)
{
    size_t nLargest = g_nLargestAllocation.load();
    while (nSize > nLargest && !g_nLargestAllocation.compare_exchange_weak(nLargest, nSize)) {
    }
    if (void* p = std::malloc(nSize ? nSize : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

// Replies up to 8 MB are read whole; a larger one fails, and is never held beyond the limit.
TEST_F(PostEngine, RepliesOver8MBFailWithoutBeingHeld)
{
    const size_t kLimit = 8 * 1024 * 1024;
    const struct {
        size_t nSize;
        bool bRead;
    } cases[] = {{kLimit, true}, {kLimit + 1, false}, {3 * kLimit, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(StandIn::QueueReply(kPath, 200, std::string(c.nSize, 'r')));
        g_nLargestAllocation = 0;
        CString reply = Post("");
        EXPECT_LE(g_nLargestAllocation.load(), kLimit + 1) << c.nSize;
        EXPECT_EQ(c.bRead ? static_cast<int>(c.nSize) : 0, reply.GetLength()) << c.nSize;
    }
}

TEST_F(PostEngine, StatusOutside2xxGivesEmptyReply)
{
    for (int status : {199, 300, 404, 500}) {
        ASSERT_TRUE(StandIn::QueueReply(kPath, status, "{\"errorcode\":0}"));
        EXPECT_EQ(CString(), Post("a=1&")) << status;
    }
    EXPECT_EQ(4u, StandIn::Requests(kPath).size());
}

TEST_F(PostEngine, StatusesAtTheEdgesOf2xxAreRead)
{
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, "two hundred"));
    EXPECT_EQ(CString("two hundred"), Post(""));
    ASSERT_TRUE(StandIn::QueueReply(kPath, 299, "two ninety-nine"));
    EXPECT_EQ(CString("two ninety-nine"), Post(""));
}

TEST_F(PostEngine, EmptyBodyOf2xxGivesEmptyReply)
{
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, ""));
    EXPECT_EQ(CString(), Post("x=1&"));
}

TEST_F(PostEngine, RepliesAroundTheBlockSizeArriveWhole)
{
    for (size_t n : {size_t(2047), size_t(2048), size_t(2049), size_t(5000), size_t(70000)}) {
        std::string body = Pattern(n);
        ASSERT_TRUE(StandIn::QueueReply(kPath, 200, body));
        CString reply = Post("");
        EXPECT_EQ(static_cast<int>(n), reply.GetLength());
        EXPECT_EQ(body, reply.Str()) << n;
    }
}

TEST_F(PostEngine, ZeroByteCutsOnlyItsOwnBlock)
{
    std::string body = "head" + std::string(1, '\0') + "lost" + std::string(2039, 'x') + "tail";
    ASSERT_EQ(2052u, body.size());
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, body));
    EXPECT_EQ(CString("headtail"), Post(""));
}

TEST_F(PostEngine, RequestCarriesBothHeadersOnceAndTheExactBody)
{
    const std::string body = "clienttype=5&info=pc&name=\xE7\xBB\xB4&x==&&";
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, "ok"));
    EXPECT_EQ(CString("ok"), Post(CString(body)));
    std::vector<CReceivedRequest> requests = StandIn::Requests(kPath);
    ASSERT_EQ(1u, requests.size());
    const CReceivedRequest& request = requests[0];
    EXPECT_EQ("POST", request.method);
    EXPECT_EQ(body, request.body);
    EXPECT_EQ(1, request.CountHeader("Content-Type"));
    EXPECT_EQ("application/x-www-form-urlencoded", request.Header("Content-Type"));
    EXPECT_EQ(1, request.CountHeader("Accept"));
    EXPECT_EQ("*/*", request.Header("Accept"));
    EXPECT_EQ(std::to_string(body.size()), request.Header("Content-Length"));
}

TEST_F(PostEngine, EmptyBodyIsSentAsPostWithoutData)
{
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, "ok"));
    EXPECT_EQ(CString("ok"), Post(""));
    std::vector<CReceivedRequest> requests = StandIn::Requests(kPath);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("POST", requests[0].method);
    EXPECT_EQ("", requests[0].body);
    EXPECT_EQ(1, requests[0].CountHeader("Content-Type"));
}

TEST_F(PostEngine, DelayedReplyIsAwaited)
{
    CScriptedReply reply;
    reply.body = "late";
    reply.delayMs = 1500;
    ASSERT_TRUE(StandIn::QueueReply(kPath, reply));
    EXPECT_EQ(CString("late"), Post(""));
}

TEST_F(PostEngine, UnreachableOrUnparsableUrlGivesEmptyReply)
{
    CHttpPostEngine closed(CString("http://127.0.0.1:" + std::to_string(StandIn::ClosedPort()) + kPath), "a=1&");
    EXPECT_EQ(CString(), closed.Post());
    CHttpPostEngine noScheme(CString("127.0.0.1/client/login/"), "a=1&");
    EXPECT_EQ(CString(), noScheme.Post());
}

TEST_F(PostEngine, EngineCanBeClosedTwiceAndDestroyedAfterwards)
{
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, "ok"));
    CHttpPostEngine engine(CString(StandIn::Root() + kPath), "");
    EXPECT_EQ(CString("ok"), engine.Post());
    engine.Close();
    engine.Close();
}
