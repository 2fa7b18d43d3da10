// The updater's installer download worker, driven in-process: a hidden window stands for
// the wizard's second page, and the test answers the worker's save dialog.

#include "framework/messagebox.h"
#include "net/downloadtransfer.h"
#include "tests/support/dialogs.h"
#include "tests/support/downloadfixture.h"
#include "tests/support/standin.h"
#include "update/installerdownload.h"
#include "util/windowmessages.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

typedef std::tuple<long long, long long, int> Progress; // total, received, percentage

// A hidden window stands for the page: it takes (and frees) each record, as the page does.
class InstallerDownload : public CDownloadFixture {
protected:
    InstallerDownload() : CDownloadFixture(WM_INSTALLER_PROGRESS, WM_INSTALLER_DOWNLOADED) {}

    LRESULT OnProgress(LPARAM lParam) override
    {
        auto* pRecord = reinterpret_cast<CInstallerProgress*>(lParam);
        progress.emplace_back(pRecord->nTotal, pRecord->nReceived, pRecord->nPercent);
        delete pRecord;
        return TRUE;
    }

    // Starts a worker and answers its save dialog with strName in the test's folder
    // (empty: cancels it); the proposed name in m_strProposed. The worker's thread handle.
    HANDLE Start(const std::string& url, const std::string& strName)
    {
        DWORD dwThread = StartInstallerDownload(Window(), CString(url));
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
        Join(hThread);
        WaitForEnds(1, 500);
        EXPECT_TRUE(ends.empty());
        EXPECT_TRUE(progress.empty());
    }
    void RunToEnd(const std::string& url, const std::string& strName)
    {
        HANDLE hThread = Start(url, strName);
        ASSERT_TRUE(WaitForEnds(1, 30000));
        if (hThread)
            CloseHandle(hThread);
    }

    std::vector<Progress> progress;
    std::string m_strProposed;
};

} // namespace

TEST(InstallerName, ProposedFromTheAddress)
{
    EXPECT_EQ("setup.exe", ProposedInstallerName("http://h/d/setup.exe").Str());
    EXPECT_EQ("", ProposedInstallerName("http://h/d/").Str());
    EXPECT_EQ("setup", ProposedInstallerName("http://h/d/nul.exe").Str());
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
    EXPECT_EQ((std::vector<Progress>{{2500, 1024, 40}, {2500, 2048, 81}, {2500, 2500, 100}}), progress);
    ExpectEnd(0, FilePath("typed.exe"), body, 0, "");
    std::vector<CReceivedRequest> requests = StandIn::Requests("/files/v2.exe");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(StandIn::DownloadHost(), requests[0].Header("Host"));
}

// Some hundreds of blocks, the last one short: one record each, the percentages rising to
// 100, one complete end. The sizes where the percentage needs 64 bits are DownloadPercent's.
TEST_F(InstallerDownload, PercentagesRiseBlockByBlockTo100)
{
    const int nSize = 500000;
    ASSERT_TRUE(StandIn::QueueReply("/files/large.exe", 200, std::string(nSize, 'v')));
    RunToEnd(Url("/files/large.exe"), "large.exe");
    ASSERT_EQ(static_cast<size_t>((nSize + 1023) / 1024), progress.size());
    for (size_t i = 1; i < progress.size(); ++i)
        ASSERT_LE(std::get<2>(progress[i - 1]), std::get<2>(progress[i])) << i;
    EXPECT_EQ(Progress(nSize, nSize, 100), progress.back());
    EXPECT_EQ((std::vector<WPARAM>{0}), ends);
}

// received * 100 passes 32 bits from 21,474,837 bytes on, the sizes themselves past 2 and 4 GB.
TEST(DownloadPercent, WholePercentsRoundedDownAtAnySize)
{
    const struct {
        long long nReceived, nTotal;
        int nPercent;
    } cases[] = {
        {0, 2500, 0},
        {2499, 2500, 99},
        {2500, 2500, 100},
        {21474837, 21474837, 100},
        {21474837, 42949674, 50},
        {2147483648LL, 4294967296LL, 50},
        {4294967295LL, 4294967296LL, 99},
        {5000000000LL, 5000000000LL, 100},
        {999999999999999LL, 1000000000000000LL, 99},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nPercent, DownloadPercent(c.nReceived, c.nTotal)) << c.nReceived << " of " << c.nTotal;
}

// Only a whole header with a 2xx status and a size makes the body the installer;
// otherwise a box says why, nothing of the body is written and Finish stays off.
TEST_F(InstallerDownload, ReplyHeadDecidesWhetherTheBodyIsTheInstaller)
{
    AfxSetAppTitle("Update");
    int nCase = 0;
    for (const CReplyHeadCase& c : ReplyHeadCases()) {
        SCOPED_TRACE(c.pszName);
        ends.clear();
        progress.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        ASSERT_TRUE(QueueRaw("/files/head.exe", c.response));
        const std::string name = "head" + std::to_string(++nCase) + ".exe";
        RunToEnd(Url("/files/head.exe"), name);
        ExpectEnd(c.updateBox.empty() ? 0 : 1, FilePath(name), c.updateBox.empty() ? c.file : "<missing>", nBoxes,
                  c.updateBox.empty() ? "" : "Update|" + c.updateBox);
        if (c.nTotal == 0) {
            EXPECT_TRUE(progress.empty());
        } else {
            ASSERT_FALSE(progress.empty());
            EXPECT_EQ(c.nTotal, std::get<0>(progress.back()));
            EXPECT_EQ(c.nLastPercent, std::get<2>(progress.back()));
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
        {Url("/files/cut.exe"), "cut.exe", "Update|服务器已经关闭连接.", "<missing>"},
        // Nothing listens on port 80 of this loopback address.
        {"http://127.0.0.2/files/x.exe", "refused.exe", "错误|connect()函数执行失败!", "<missing>"},
    };
    AfxSetAppTitle("Update");
    for (const auto& c : cases) {
        ends.clear();
        size_t nBoxes = m_answerer->Boxes().size();
        SCOPED_TRACE(c.url);
        RunToEnd(c.url, c.name);
        ExpectEnd(1, FilePath(c.name), c.file, nBoxes, c.box);
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
    DWORD dwThread = StartInstallerDownload(Window(), CString(Url("/files/held.exe")));
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
    Join(hThread);
    CloseHandle(hHeld);
    AfxSetAppTitle(NULL);
    WaitForEnds(1, 500);
    EXPECT_TRUE(ends.empty());
    EXPECT_TRUE(StandIn::Requests("/files/held.exe").empty());
}

// The wizard closed while its worker waited: the worker ends and sends nothing.
TEST_F(InstallerDownload, ClosedPageReceivesNothing)
{
    ASSERT_TRUE(StandIn::QueueReply("/files/late.exe", 200, Pattern(5000)));
    DWORD dwThread = StartInstallerDownload(Window(), CString(Url("/files/late.exe")));
    HANDLE hThread = OpenThread(SYNCHRONIZE, FALSE, dwThread);
    HWND hDialog = WaitForFileDialog(GetCurrentProcessId());
    ASSERT_NE(nullptr, hDialog);
    DestroyWindow(Window());
    EXPECT_TRUE(AnswerFileDialog(hDialog, FilePath("late.exe")));
    ASSERT_NE(nullptr, hThread);
    Join(hThread);
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ("<missing>", ReadFile(FilePath("late.exe")));
    ExpectOnlyNamedFiles();
}

// An installer lies where the user saves, the overwrite is confirmed and the server
// answers 404: the failure box, and the installer keeps its bytes.
TEST_F(InstallerDownload, FailedDownloadKeepsTheInstallerThatWasThere)
{
    m_answerer.reset(); // the overwrite question wants Yes
    const std::string path = FilePath("old.exe"), previous = "the installer that was there";
    PutFile(path, previous);
    ASSERT_TRUE(QueueRaw("/files/old.exe", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"));
    AfxSetAppTitle("Update");
    ASSERT_NE(0u, StartInstallerDownload(Window(), CString(Url("/files/old.exe"))));
    HWND hDialog = WaitForFileDialog(GetCurrentProcessId());
    ASSERT_NE(nullptr, hDialog);
    std::thread save([&] { AnswerFileDialog(hDialog, path); });
    EXPECT_NE("", AnswerMessageBox(GetCurrentProcessId(), IDYES));
    save.join();
    EXPECT_EQ("Update|安装程序下载失败：服务器回复状态 404。", AnswerMessageBox(GetCurrentProcessId(), IDOK));
    EXPECT_TRUE(WaitForEnds(1, 20000));
    AfxSetAppTitle(NULL);
    EXPECT_EQ((std::vector<WPARAM>{1}), ends);
    EXPECT_EQ(previous, ReadFile(path));
    ExpectOnlyNamedFiles();
}
