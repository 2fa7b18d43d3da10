#include "framework/messagebox.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/replyheadcases.h"
#include "tests/support/standin.h"
#include "util/downloadthread.h"
#include "util/windowmessages.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A hidden window that stands for the status bar: it keeps what the workers send.
class CReceiver {
public:
    CReceiver()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandle(NULL);
        wc.lpszClassName = "DownloadReceiverTest";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowA("DownloadReceiverTest", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance, this);
    }
    ~CReceiver() { DestroyWindow(m_hWnd); }

    HWND Handle() const { return m_hWnd; }

    // Pumps messages until nDone done messages arrived or nTimeoutMs passed.
    bool WaitForDone(size_t nDone, DWORD nTimeoutMs)
    {
        DWORD dwStart = GetTickCount();
        while (done.size() < nDone) {
            DWORD dwElapsed = GetTickCount() - dwStart;
            if (dwElapsed >= nTimeoutMs)
                return false;
            MsgWaitForMultipleObjects(0, NULL, FALSE, nTimeoutMs - dwElapsed, QS_ALLINPUT);
            Pump();
        }
        return true;
    }
    void Pump()
    {
        MSG msg;
        while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }

    std::vector<std::string> progress;
    std::vector<WPARAM> done;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        if (uMsg == WM_NCCREATE)
            SetWindowLongPtr(hWnd, GWLP_USERDATA,
                             reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
        CReceiver* pThis = reinterpret_cast<CReceiver*>(GetWindowLongPtr(hWnd, GWLP_USERDATA));
        if (pThis && uMsg == WM_DOWNLOAD_PROGRESS) {
            pThis->progress.push_back(reinterpret_cast<const char*>(lParam));
            return 0;
        }
        if (pThis && uMsg == WM_DOWNLOAD_DONE) {
            pThis->done.push_back(wParam);
            return 0;
        }
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }

    HWND m_hWnd;
};

class DownloadWorker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
        ASSERT_NE(nullptr, m_receiver.Handle());
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        m_strDir = std::string(szTemp) + "velora-dl-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_strDir.c_str(), NULL);
    }

    static std::string Url(const std::string& path) { return "http://" + StandIn::DownloadHost() + path; }
    std::string FilePath(const std::string& name) const { return m_strDir + "\\" + name; }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return "<missing>";
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string Pattern(size_t n)
    {
        std::string text;
        for (size_t i = 0; i < n; ++i)
            text += static_cast<char>(i * 7 % 251);
        return text;
    }
    static bool QueueRaw(const std::string& path, const std::string& response, int nDelayMs = 0)
    {
        CScriptedReply reply;
        reply.raw = true;
        reply.body = response;
        reply.delayMs = nDelayMs;
        return StandIn::QueueReply(path, reply);
    }

    // Starts one download and waits for its done message.
    void Fetch(const std::string& url, const std::string& path, DWORD nTimeoutMs = 20000)
    {
        ASSERT_NE(0u, StartDownload(CString(url), CString(path), m_receiver.Handle()));
        ASSERT_TRUE(m_receiver.WaitForDone(1, nTimeoutMs));
    }

    // Starts a download that must end without a done message; waits for its thread.
    void FetchWithoutDone(const std::string& url, const std::string& path)
    {
        DWORD dwThread = StartDownload(CString(url), CString(path), m_receiver.Handle());
        ASSERT_NE(0u, dwThread);
        HANDLE hThread = OpenThread(SYNCHRONIZE, FALSE, dwThread);
        if (hThread) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 20000));
            CloseHandle(hThread);
        } else {
            Sleep(2000); // already ended
        }
        m_receiver.Pump();
    }

    CReceiver m_receiver;
    CBoxAnswerer m_answerer;
    std::string m_strDir;
};

} // namespace

TEST_F(DownloadWorker, ProgressPerBlockAndFileWritten)
{
    const std::string body = Pattern(2500);
    ASSERT_TRUE(StandIn::QueueReply("/dl/a.apk", 200, body));
    // The port in the URL is not used: downloads go to port 80.
    Fetch("http://" + StandIn::DownloadHost() + ":81/dl/a.apk", FilePath("a.apk"));
    EXPECT_EQ((std::vector<std::string>{"40%", "81%", "100%"}), m_receiver.progress);
    EXPECT_EQ((std::vector<WPARAM>{0}), m_receiver.done);
    EXPECT_EQ(body, ReadFile(FilePath("a.apk")));
    EXPECT_TRUE(m_answerer.Boxes().empty());

    std::vector<CReceivedRequest> requests = StandIn::Requests("/dl/a.apk");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(StandIn::DownloadHost(), requests[0].Header("Host"));
}

TEST_F(DownloadWorker, BodyLongerThanContentLengthEndsAtTheBlockThatReachesIt)
{
    const std::string body = Pattern(3000);
    ASSERT_TRUE(QueueRaw("/dl/long", "HTTP/1.1 200 OK\r\nContent-Length: 1500\r\n\r\n" + body));
    Fetch(Url("/dl/long"), FilePath("long"));
    EXPECT_EQ((std::vector<std::string>{"68%", "136%"}), m_receiver.progress);
    EXPECT_EQ((std::vector<WPARAM>{0}), m_receiver.done);
    EXPECT_EQ(body.substr(0, 2048), ReadFile(FilePath("long")));
}

// Only a whole header with a 2xx status and a size makes the body the file; otherwise a
// box says why, nothing of the body is written and the end is reported incomplete.
TEST_F(DownloadWorker, ReplyHeadDecidesWhetherTheBodyIsTheFile)
{
    for (const CReplyHeadCase& c : ReplyHeadCases()) {
        SCOPED_TRACE(c.pszName);
        m_receiver.done.clear();
        m_receiver.progress.clear();
        size_t nBoxes = m_answerer.Boxes().size();
        ASSERT_TRUE(QueueRaw("/dl/head", c.response));
        Fetch(Url("/dl/head"), FilePath("head"));
        EXPECT_EQ((std::vector<WPARAM>{c.veloraBox.empty() ? 0u : 1u}), m_receiver.done);
        EXPECT_EQ(c.file, ReadFile(FilePath("head")));
        std::vector<std::string> boxes = m_answerer.Boxes();
        boxes.erase(boxes.begin(), boxes.begin() + nBoxes);
        std::vector<std::string> expected;
        if (!c.veloraBox.empty())
            expected.push_back("download_worker_test|" + c.veloraBox);
        EXPECT_EQ(expected, boxes);
        if (c.nTotal == 0) {
            EXPECT_TRUE(m_receiver.progress.empty());
        } else {
            ASSERT_FALSE(m_receiver.progress.empty());
            EXPECT_EQ(std::to_string(c.nLastPercent) + "%", m_receiver.progress.back());
        }
    }
}

TEST_F(DownloadWorker, ServerClosingEarlyKeepsThePartAndSaysSo)
{
    CScriptedReply reply;
    reply.body = Pattern(5000);
    reply.truncate = 2000;
    ASSERT_TRUE(StandIn::QueueReply("/dl/cut", reply));
    Fetch(Url("/dl/cut"), FilePath("cut"));
    EXPECT_EQ(reply.body.substr(0, 2000), ReadFile(FilePath("cut")));
    EXPECT_EQ((std::vector<WPARAM>{1}), m_receiver.done);
    EXPECT_EQ("40%", m_receiver.progress.back());
    EXPECT_EQ((std::vector<std::string>{"download_worker_test|服务器已经关闭连接."}), m_answerer.Boxes());
}

TEST_F(DownloadWorker, SilentServerCannotHoldTheWorker)
{
    ASSERT_TRUE(QueueRaw("/dl/stall", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 13000));
    DWORD dwStart = GetTickCount();
    Fetch(Url("/dl/stall"), FilePath("stall"), 30000);
    DWORD dwElapsed = GetTickCount() - dwStart;
    EXPECT_GE(dwElapsed, 9000u);
    EXPECT_LT(dwElapsed, 12500u);
    EXPECT_EQ((std::vector<WPARAM>{1}), m_receiver.done);
    EXPECT_EQ("", ReadFile(FilePath("stall")));
}

TEST_F(DownloadWorker, UnusableUrlShowsBoxAndSendsNothing)
{
    AfxSetAppTitle("Update");
    FetchWithoutDone("no scheme here", FilePath("bad"));
    // A request header that would not fit its buffer is never sent.
    FetchWithoutDone(Url("/dl/" + std::string(1000, 'x')), FilePath("bad2"));
    AfxSetAppTitle(NULL);
    EXPECT_EQ((std::vector<std::string>{"Update|无法解析的URL地址", "Update|无法解析的URL地址"}), m_answerer.Boxes());
    EXPECT_TRUE(m_receiver.done.empty());
    EXPECT_TRUE(m_receiver.progress.empty());
    EXPECT_TRUE(StandIn::Requests("/dl/" + std::string(1000, 'x')).empty());
    EXPECT_EQ("<missing>", ReadFile(FilePath("bad")));
}

TEST_F(DownloadWorker, FileThatCannotBeCreatedIsReportedAndNothingFetched)
{
    ASSERT_TRUE(StandIn::QueueReply("/dl/nowhere", 200, "data"));
    std::string path = FilePath("no-such-folder\\f.bin");
    Fetch(Url("/dl/nowhere"), path);
    EXPECT_EQ((std::vector<WPARAM>{1}), m_receiver.done);
    std::vector<std::string> boxes = m_answerer.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("download_worker_test|无法创建文件: " + path, boxes[0]);
    EXPECT_TRUE(StandIn::Requests("/dl/nowhere").empty());
}

TEST_F(DownloadWorker, UnreachableServerShowsTheClientBox)
{
    // Nothing listens on port 80 of this loopback address.
    Fetch("http://127.0.0.2/dl/x", FilePath("unreachable"));
    EXPECT_EQ((std::vector<WPARAM>{1}), m_receiver.done);
    EXPECT_EQ("", ReadFile(FilePath("unreachable")));
    EXPECT_EQ((std::vector<std::string>{"错误|connect()函数执行失败!"}), m_answerer.Boxes());
}

TEST_F(DownloadWorker, TwoWorkersAtOnceIntoTwoFiles)
{
    const std::string one = Pattern(30000), two = Pattern(50000).substr(3);
    ASSERT_TRUE(StandIn::QueueReply("/dl/one", 200, one));
    ASSERT_TRUE(StandIn::QueueReply("/dl/two", 200, two));
    ASSERT_NE(0u, StartDownload(CString(Url("/dl/one")), CString(FilePath("one")), m_receiver.Handle()));
    ASSERT_NE(0u, StartDownload(CString(Url("/dl/two")), CString(FilePath("two")), m_receiver.Handle()));
    ASSERT_TRUE(m_receiver.WaitForDone(2, 30000));
    EXPECT_EQ((std::vector<WPARAM>{0, 0}), m_receiver.done);
    EXPECT_EQ(one, ReadFile(FilePath("one")));
    EXPECT_EQ(two, ReadFile(FilePath("two")));
}
