// The updater's installer download worker, driven in-process: a hidden window stands for
// the wizard's second page, and the test answers the worker's save dialog.

#include "framework/messagebox.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogs.h"
#include "tests/support/replyheadcases.h"
#include "tests/support/standin.h"
#include "update/installerdownload.h"
#include "util/windowmessages.h"

#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

typedef std::tuple<long long, long long, int> Progress; // total, received, percentage

// Keeps what the worker sends, as the page would: it takes (and frees) each record.
class CPageStandIn {
public:
    CPageStandIn()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandle(NULL);
        wc.lpszClassName = "InstallerPageTest";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowA("InstallerPageTest", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance, this);
    }
    ~CPageStandIn()
    {
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
    }
    HWND Handle() const { return m_hWnd; }
    bool WaitForEnd(DWORD dwTimeoutMs)
    {
        DWORD dwStart = GetTickCount();
        while (ends.empty() && GetTickCount() - dwStart < dwTimeoutMs) {
            MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT);
            MSG msg;
            while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessage(&msg);
        }
        return !ends.empty();
    }

    std::vector<Progress> progress;
    std::vector<WPARAM> ends;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
    {
        if (uMsg == WM_NCCREATE)
            SetWindowLongPtr(hWnd, GWLP_USERDATA,
                             reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
        auto* pThis = reinterpret_cast<CPageStandIn*>(GetWindowLongPtr(hWnd, GWLP_USERDATA));
        if (pThis && uMsg == WM_INSTALLER_PROGRESS) {
            auto* pRecord = reinterpret_cast<CInstallerProgress*>(lParam);
            pThis->progress.emplace_back(pRecord->nTotal, pRecord->nReceived, pRecord->nPercent);
            delete pRecord;
            return TRUE;
        }
        if (pThis && uMsg == WM_INSTALLER_DOWNLOADED) {
            pThis->ends.push_back(wParam);
            return 0;
        }
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
    HWND m_hWnd;
};

class InstallerDownload : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
        char szTemp[MAX_PATH];
        GetTempPathA(MAX_PATH, szTemp);
        m_strDir = std::string(szTemp) + "velora-inst-" + std::to_string(GetCurrentProcessId()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
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
    static bool QueueRaw(const std::string& path, const std::string& response)
    {
        CScriptedReply reply;
        reply.raw = true;
        reply.body = response;
        return StandIn::QueueReply(path, reply);
    }

    // Starts a worker and answers its save dialog with strName in the test's folder
    // (empty: cancels it); the proposed name in m_strProposed. The worker's thread handle.
    HANDLE Start(const std::string& url, const std::string& strName)
    {
        DWORD dwThread = StartInstallerDownload(m_page.Handle(), CString(url));
        EXPECT_NE(0u, dwThread);
        HANDLE hThread = OpenThread(SYNCHRONIZE, FALSE, dwThread);
        HWND hDialog = WaitForFileDialog(GetCurrentProcessId());
        EXPECT_NE(nullptr, hDialog) << "no save dialog";
        if (hDialog) {
            m_strProposed = FileDialogName(hDialog);
            EXPECT_TRUE(strName.empty() ? CancelFileDialog(hDialog) : AnswerFileDialog(hDialog, FilePath(strName)));
        }
        return hThread;
    }
    // A worker that must end without its end message.
    void RunWithoutEnd(const std::string& url, const std::string& strName)
    {
        HANDLE hThread = Start(url, strName);
        ASSERT_NE(nullptr, hThread);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 20000));
        CloseHandle(hThread);
        m_page.WaitForEnd(500);
        EXPECT_TRUE(m_page.ends.empty());
        EXPECT_TRUE(m_page.progress.empty());
    }
    void RunToEnd(const std::string& url, const std::string& strName)
    {
        HANDLE hThread = Start(url, strName);
        ASSERT_TRUE(m_page.WaitForEnd(30000));
        if (hThread)
            CloseHandle(hThread);
    }

    CPageStandIn m_page;
    std::unique_ptr<CBoxAnswerer> m_answerer{new CBoxAnswerer()};
    std::string m_strDir;
    std::string m_strProposed;
};

} // namespace

TEST(InstallerName, ProposedFromTheAddress)
{
    EXPECT_EQ("setup.exe", ProposedInstallerName("http://h/d/setup.exe").Str());
    EXPECT_EQ("setup", ProposedInstallerName("http://h/d/").Str());
    EXPECT_EQ("x.exe", ProposedInstallerName("http://h/..\\..\\x.exe").Str());
    EXPECT_EQ("x.exe", ProposedInstallerName("http://h/C:\\Users\\Public\\x.exe").Str());
    EXPECT_EQ("setup", ProposedInstallerName("/x.exe").Str());
    EXPECT_EQ("setup", ProposedInstallerName("x.exe").Str());
}

TEST_F(InstallerDownload, OneRecordPerBlockOnPort80AndACompleteEnd)
{
    const std::string body = Pattern(2500);
    ASSERT_TRUE(StandIn::QueueReply("/files/v2.exe", 200, body));
    // The address's own port is not used, and a name typed without extension gets "exe".
    RunToEnd("http://" + StandIn::DownloadHost() + ":8080/files/v2.exe", "typed");
    EXPECT_EQ("v2.exe", m_strProposed);
    EXPECT_EQ((std::vector<Progress>{{2500, 1024, 40}, {2500, 2048, 81}, {2500, 2500, 100}}), m_page.progress);
    EXPECT_EQ((std::vector<WPARAM>{0}), m_page.ends);
    EXPECT_EQ(body, ReadFile(FilePath("typed.exe")));
    EXPECT_TRUE(m_answerer->Boxes().empty());
    std::vector<CReceivedRequest> requests = StandIn::Requests("/files/v2.exe");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(StandIn::DownloadHost(), requests[0].Header("Host"));
}

// received * 100 overflows 32 bits past 21,474,836 bytes: the percentages still rise to 100.
TEST_F(InstallerDownload, PercentagesOfALargeInstallerRiseTo100)
{
    const int nSize = 22000000;
    ASSERT_TRUE(StandIn::QueueReply("/files/large.exe", 200, std::string(nSize, 'v')));
    RunToEnd(Url("/files/large.exe"), "large.exe");
    ASSERT_EQ(static_cast<size_t>((nSize + 1023) / 1024), m_page.progress.size());
    for (size_t i = 1; i < m_page.progress.size(); ++i)
        ASSERT_LE(std::get<2>(m_page.progress[i - 1]), std::get<2>(m_page.progress[i])) << i;
    EXPECT_EQ(Progress(nSize, nSize, 100), m_page.progress.back());
    EXPECT_EQ((std::vector<WPARAM>{0}), m_page.ends);
}

// Only a whole header with a 2xx status and a size makes the body the installer;
// otherwise a box says why, nothing of the body is written and Finish stays off.
TEST_F(InstallerDownload, ReplyHeadDecidesWhetherTheBodyIsTheInstaller)
{
    AfxSetAppTitle("Update");
    int nCase = 0;
    for (const CReplyHeadCase& c : ReplyHeadCases()) {
        SCOPED_TRACE(c.pszName);
        m_page.ends.clear();
        m_page.progress.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        ASSERT_TRUE(QueueRaw("/files/head.exe", c.response));
        const std::string name = "head" + std::to_string(++nCase) + ".exe";
        RunToEnd(Url("/files/head.exe"), name);
        EXPECT_EQ((std::vector<WPARAM>{c.updateBox.empty() ? 0u : 1u}), m_page.ends);
        EXPECT_EQ(c.file, ReadFile(FilePath(name)));
        std::vector<std::string> boxes = m_answerer->Boxes();
        boxes.erase(boxes.begin(), boxes.begin() + nBoxes);
        std::vector<std::string> expected;
        if (!c.updateBox.empty())
            expected.push_back("Update|" + c.updateBox);
        EXPECT_EQ(expected, boxes);
        if (c.nTotal == 0) {
            EXPECT_TRUE(m_page.progress.empty());
        } else {
            ASSERT_FALSE(m_page.progress.empty());
            EXPECT_EQ(c.nTotal, std::get<0>(m_page.progress.back()));
            EXPECT_EQ(c.nLastPercent, std::get<2>(m_page.progress.back()));
        }
    }
    AfxSetAppTitle(NULL);
}

// Each failure ends with the end message marked incomplete, after a box that says why.
TEST_F(InstallerDownload, FailedTransfersEndIncompleteAfterTheirBox)
{
    CScriptedReply cut;
    cut.body = Pattern(5000);
    cut.truncate = 2000;
    ASSERT_TRUE(StandIn::QueueReply("/files/cut.exe", cut));
    const struct {
        std::string url, name, box, file;
    } cases[] = {
        {Url("/files/cut.exe"), "cut.exe", "Update|服务器已经关闭连接.", cut.body.substr(0, 2000)},
        // Nothing listens on port 80 of this loopback address.
        {"http://127.0.0.2/files/x.exe", "refused.exe", "错误|connect()函数执行失败!", ""},
    };
    AfxSetAppTitle("Update");
    for (const auto& c : cases) {
        m_page.ends.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        RunToEnd(c.url, c.name);
        EXPECT_EQ((std::vector<WPARAM>{1}), m_page.ends) << c.url;
        EXPECT_EQ(c.file, ReadFile(FilePath(c.name))) << c.url;
        std::vector<std::string> boxes = m_answerer->Boxes();
        ASSERT_EQ(nBoxes + 1, boxes.size()) << c.url;
        EXPECT_EQ(c.box, boxes.back());
    }
    AfxSetAppTitle(NULL);
}

TEST_F(InstallerDownload, NoTargetOrNoAddressSendsNothing)
{
    AfxSetAppTitle("Update");
    RunWithoutEnd(Url("/files/a.exe"), "");
    RunWithoutEnd("no scheme here", "bad.exe");
    AfxSetAppTitle(NULL);
    EXPECT_EQ((std::vector<std::string>{"Update|无法解析的URL地址"}), m_answerer->Boxes());
    EXPECT_EQ("<missing>", ReadFile(FilePath("bad.exe")));
    EXPECT_TRUE(StandIn::Requests("/files/a.exe").empty());
}

// A target that another program holds open: the worker says so, fetches nothing and
// sends nothing.
TEST_F(InstallerDownload, TargetThatCannotBeCreatedIsReported)
{
    m_answerer.reset();
    ASSERT_TRUE(StandIn::QueueReply("/files/held.exe", 200, "data"));
    HANDLE hHeld = CreateFileA(FilePath("held.exe").c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    AfxSetAppTitle("Update");
    DWORD dwThread = StartInstallerDownload(m_page.Handle(), CString(Url("/files/held.exe")));
    HANDLE hThread = OpenThread(SYNCHRONIZE, FALSE, dwThread);
    HWND hDialog = WaitForFileDialog(GetCurrentProcessId());
    ASSERT_NE(nullptr, hDialog);
    SendMessageA(GetDlgItem(hDialog, 0x480) ? GetDlgItem(hDialog, 0x480) : GetDlgItem(hDialog, 0x47C), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(FilePath("held.exe").c_str()));
    PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // The dialog asks before overwriting; then the worker reports the file.
    EXPECT_NE("", AnswerMessageBox(GetCurrentProcessId(), IDYES));
    EXPECT_EQ("Update|无法创建文件: " + FilePath("held.exe"), AnswerMessageBox(GetCurrentProcessId(), IDOK));
    ASSERT_NE(nullptr, hThread);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 20000));
    CloseHandle(hThread);
    CloseHandle(hHeld);
    AfxSetAppTitle(NULL);
    m_page.WaitForEnd(500);
    EXPECT_TRUE(m_page.ends.empty());
    EXPECT_TRUE(StandIn::Requests("/files/held.exe").empty());
}

// The wizard closed while its worker waited: the worker ends and sends nothing.
TEST_F(InstallerDownload, ClosedPageReceivesNothing)
{
    ASSERT_TRUE(StandIn::QueueReply("/files/late.exe", 200, Pattern(5000)));
    DWORD dwThread = StartInstallerDownload(m_page.Handle(), CString(Url("/files/late.exe")));
    HANDLE hThread = OpenThread(SYNCHRONIZE, FALSE, dwThread);
    HWND hDialog = WaitForFileDialog(GetCurrentProcessId());
    ASSERT_NE(nullptr, hDialog);
    DestroyWindow(m_page.Handle());
    EXPECT_TRUE(AnswerFileDialog(hDialog, FilePath("late.exe")));
    ASSERT_NE(nullptr, hThread);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 20000));
    CloseHandle(hThread);
    EXPECT_TRUE(m_page.progress.empty());
    EXPECT_TRUE(m_page.ends.empty());
    EXPECT_EQ(1024u, ReadFile(FilePath("late.exe")).size());
}
