#include "framework/messagebox.h"
#include "tests/support/downloadfixture.h"
#include "tests/support/standin.h"
#include "util/downloadthread.h"
#include "util/windowmessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A hidden window stands for the status bar: it keeps the percentages the workers send.
class DownloadWorker : public CDownloadFixture {
protected:
    DownloadWorker() : CDownloadFixture(WM_DOWNLOAD_PROGRESS, WM_DOWNLOAD_DONE) {}

    LRESULT OnProgress(LPARAM lParam) override
    {
        progress.push_back(reinterpret_cast<const char*>(lParam));
        return 0;
    }

    // Starts one download and waits for its done message.
    void Fetch(const std::string& url, const std::string& path, DWORD nTimeoutMs = 20000,
               int nReceiveTimeoutMs = kDownloadReceiveTimeoutMs)
    {
        ASSERT_NE(0u, StartDownload(CString(url), CString(path), Window(), nReceiveTimeoutMs));
        ASSERT_TRUE(WaitForEnds(1, nTimeoutMs));
    }

    // Starts a download that must end without a done message; waits for its thread.
    void FetchWithoutDone(const std::string& url, const std::string& path)
    {
        DWORD dwThread = StartDownload(CString(url), CString(path), Window());
        ASSERT_NE(0u, dwThread);
        Join(OpenThread(SYNCHRONIZE, FALSE, dwThread));
    }

    std::vector<std::string> progress;
};

} // namespace

TEST_F(DownloadWorker, ProgressPerBlockAndFileWritten)
{
    const std::string body = Pattern(2500);
    ASSERT_TRUE(StandIn::QueueReply("/dl/a.apk", 200, body));
    // The port in the URL is not used: downloads go to port 80.
    Fetch("http://" + StandIn::DownloadHost() + ":81/dl/a.apk", FilePath("a.apk"));
    EXPECT_EQ((std::vector<std::string>{"40%", "81%", "100%"}), progress);
    ExpectEnd(0, FilePath("a.apk"), body, 0, "");

    std::vector<CReceivedRequest> requests = StandIn::Requests("/dl/a.apk");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(StandIn::DownloadHost(), requests[0].Header("Host"));
}

// The last block asks for what is still due only: nothing beyond the size is written.
TEST_F(DownloadWorker, BodyLongerThanContentLengthEndsAtTheBlockThatReachesIt)
{
    const std::string body = Pattern(3000);
    ASSERT_TRUE(QueueRaw("/dl/long", "HTTP/1.1 200 OK\r\nContent-Length: 1500\r\n\r\n" + body));
    Fetch(Url("/dl/long"), FilePath("long"));
    EXPECT_EQ((std::vector<std::string>{"68%", "100%"}), progress);
    ExpectEnd(0, FilePath("long"), body.substr(0, 1500), 0, "");
}

// Only a whole header with a 2xx status, a framing by size and a size makes the body the
// file; otherwise a box says why, the file that was there keeps its bytes and the end is
// reported incomplete.
TEST_F(DownloadWorker, ReplyHeadDecidesWhetherTheBodyIsTheFile)
{
    const std::string previous = "the file that was there";
    for (const CReplyHeadCase& c : ReplyHeadCases()) {
        SCOPED_TRACE(c.pszName);
        ends.clear();
        progress.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        PutFile(FilePath("head"), previous);
        ASSERT_TRUE(QueueRaw("/dl/head", c.response));
        Fetch(Url("/dl/head"), FilePath("head"));
        ExpectEnd(c.veloraBox.empty() ? 0 : 1, FilePath("head"), c.veloraBox.empty() ? c.file : previous, nBoxes,
                  c.veloraBox.empty() ? "" : "download_worker_test|" + c.veloraBox);
        if (c.nTotal == 0) {
            EXPECT_TRUE(progress.empty());
        } else {
            ASSERT_FALSE(progress.empty());
            EXPECT_EQ(std::to_string(c.nLastPercent) + "%", progress.back());
        }
    }
}

// A part is no file: the file is not created, and one that was there keeps its bytes.
TEST_F(DownloadWorker, ServerClosingEarlyLeavesTheFileAsItWasAndSaysSo)
{
    const struct {
        std::string name, before;
    } cases[] = {{"cut", "<missing>"}, {"cut-over", "an older file"}};
    CScriptedReply reply;
    reply.body = Pattern(5000);
    reply.truncate = 2000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ends.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        if (c.before != "<missing>")
            PutFile(FilePath(c.name), c.before);
        ASSERT_TRUE(StandIn::QueueReply("/dl/cut", reply));
        Fetch(Url("/dl/cut"), FilePath(c.name));
        ExpectEnd(1, FilePath(c.name), c.before, nBoxes, "download_worker_test|服务器已经关闭连接.");
        EXPECT_EQ("40%", progress.back());
    }
}

// The worker gives up after its receive time-out, long before the server would answer
// (the status bar's own is 10 s; a short one keeps the test short).
TEST_F(DownloadWorker, SilentServerCannotHoldTheWorker)
{
    ASSERT_TRUE(QueueRaw("/dl/stall", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 4000));
    DWORD dwStart = GetTickCount();
    Fetch(Url("/dl/stall"), FilePath("stall"), 30000, 1000);
    DWORD dwElapsed = GetTickCount() - dwStart;
    EXPECT_GE(dwElapsed, 900u);
    EXPECT_LT(dwElapsed, 3500u);
    EXPECT_EQ((std::vector<WPARAM>{1}), ends);
    EXPECT_EQ("<missing>", ReadFile(FilePath("stall")));
}

TEST_F(DownloadWorker, UnusableUrlShowsBoxAndSendsNothing)
{
    AfxSetAppTitle("Update");
    FetchWithoutDone("no scheme here", FilePath("bad"));
    // A request header that would not fit its buffer is never sent.
    FetchWithoutDone(Url("/dl/" + std::string(1000, 'x')), FilePath("bad2"));
    AfxSetAppTitle(NULL);
    EXPECT_EQ((std::vector<std::string>{"Update|无法解析的URL地址", "Update|无法解析的URL地址"}), m_answerer->Boxes());
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(StandIn::Requests("/dl/" + std::string(1000, 'x')).empty());
    EXPECT_EQ("<missing>", ReadFile(FilePath("bad")));
}

TEST_F(DownloadWorker, FileThatCannotBeCreatedIsReportedAndNothingFetched)
{
    ASSERT_TRUE(StandIn::QueueReply("/dl/nowhere", 200, "data"));
    std::string path = FilePath("no-such-folder\\f.bin");
    Fetch(Url("/dl/nowhere"), path);
    ExpectEnd(1, path, "<missing>", 0, "download_worker_test|无法创建文件: " + path);
    EXPECT_TRUE(StandIn::Requests("/dl/nowhere").empty());
}

// The whole body arrived, but it cannot take the file's place: a failed download, whose
// box names the file, and the file that was there keeps its bytes.
TEST_F(DownloadWorker, FileThatCannotBeReplacedFailsWithItsName)
{
    const std::string path = FilePath("held.apk"), previous = "the file that was there";
    PutFile(path, previous);
    ASSERT_TRUE(QueueRaw("/dl/held", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nbody", 1500));
    ASSERT_NE(0u, StartDownload(CString(Url("/dl/held")), CString(path), Window()));
    // Once the request is out, another program holds the file.
    ASSERT_EQ(1u, StandIn::WaitForRequests("/dl/held", 1, 10000, 20).size());
    HANDLE hHeld = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    bool bEnded = WaitForEnds(1, 20000);
    CloseHandle(hHeld);
    ASSERT_TRUE(bEnded);
    ExpectEnd(1, path, previous, 0, "download_worker_test|无法保存文件: " + path);
    EXPECT_EQ((std::vector<std::string>{"100%"}), progress);
}

TEST_F(DownloadWorker, UnreachableServerShowsTheClientBox)
{
    // Nothing listens on port 80 of this loopback address.
    Fetch("http://127.0.0.2/dl/x", FilePath("unreachable"));
    ExpectEnd(1, FilePath("unreachable"), "<missing>", 0, "错误|connect()函数执行失败!");
}

TEST_F(DownloadWorker, TwoWorkersAtOnceIntoTwoFiles)
{
    const std::string one = Pattern(30000), two = Pattern(50000).substr(3);
    ASSERT_TRUE(StandIn::QueueReply("/dl/one", 200, one));
    ASSERT_TRUE(StandIn::QueueReply("/dl/two", 200, two));
    ASSERT_NE(0u, StartDownload(CString(Url("/dl/one")), CString(FilePath("one")), Window()));
    ASSERT_NE(0u, StartDownload(CString(Url("/dl/two")), CString(FilePath("two")), Window()));
    ASSERT_TRUE(WaitForEnds(2, 30000));
    EXPECT_EQ((std::vector<WPARAM>{0, 0}), ends);
    EXPECT_EQ(one, ReadFile(FilePath("one")));
    EXPECT_EQ(two, ReadFile(FilePath("two")));
}
