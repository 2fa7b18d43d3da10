// Update.exe run as the client runs it: from a folder of its own, beside a client
// executable, against the stand-in; the test answers its wizard, save dialog and boxes.

#include "tests/support/appdriver.h"
#include "tests/support/dialogs.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "tests/support/xdisplay.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <prsht.h>
#include <string>
#include <vector>

namespace {

const char kVersionPath[] = "/client/update/";
const char kWizardTitle[] = "维罗路书升级";
const char kDoneBox[] = "Update|安装程序下载完成，点击完成开始安装！";
const char kFinishPrompt[] = "安装提示：|安装前先要卸载老版本，请您退出当前运行的维罗路书客户端，现在开始安装吗？";
const int kBackButton = 0x3023, kNextButton = 0x3024, kFinishButton = 0x3025;
const DWORD kTimeoutMs = 30000;

// Test literals are code page 936; the service speaks UTF-8.
std::string Utf8(const std::string& strAnsi)
{
    std::wstring wide(strAnsi.size(), L'\0');
    wide.resize(MultiByteToWideChar(936, 0, strAnsi.data(), static_cast<int>(strAnsi.size()), &wide[0],
                                    static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0],
                                    static_cast<int>(utf8.size()), NULL, NULL));
    return utf8;
}

std::string Offer(const std::string& info, const std::string& downurl)
{
    return "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":{\"updatetype\":\"1\",\"clientType\":\"5\","
           "\"downurl\":\"" +
           downurl + "\",\"info\":\"" + Utf8(info) + "\"}}";
}

std::string Pattern(size_t n)
{
    std::string text;
    for (size_t i = 0; i < n; ++i)
        text += static_cast<char>(i * 13 % 251);
    return text;
}

// A list view's texts, read from another process through memory lent in that process.
class CRemoteList {
public:
    explicit CRemoteList(HWND hList) : m_hList(hList)
    {
        DWORD dwProcessId = 0;
        GetWindowThreadProcessId(hList, &dwProcessId);
        m_hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, dwProcessId);
        m_pRemote = static_cast<char*>(VirtualAllocEx(m_hProcess, NULL, kSize, MEM_COMMIT, PAGE_READWRITE));
    }
    ~CRemoteList()
    {
        VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
        CloseHandle(m_hProcess);
    }
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        int nCount = static_cast<int>(SendMessageA(m_hList, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            rows.push_back(Ask(LVM_GETITEMTEXTA, i, item));
        }
        return rows;
    }
    std::string Heading()
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        return Ask(LVM_GETCOLUMNA, 0, column);
    }

private:
    static const size_t kSize = 8192;
    template <typename T> std::string Ask(UINT message, WPARAM wParam, T record)
    {
        record.pszText = m_pRemote + sizeof(T);
        record.cchTextMax = static_cast<int>(kSize - sizeof(T));
        char text[kSize] = "";
        WriteProcessMemory(m_hProcess, m_pRemote, &record, sizeof(T), NULL);
        WriteProcessMemory(m_hProcess, m_pRemote + sizeof(T), text, 1, NULL);
        SendMessageA(m_hList, message, wParam, reinterpret_cast<LPARAM>(m_pRemote));
        ReadProcessMemory(m_hProcess, m_pRemote + sizeof(T), text, kSize - sizeof(T), NULL);
        text[kSize - sizeof(T) - 1] = '\0';
        return text;
    }
    HWND m_hList;
    HANDLE m_hProcess;
    char* m_pRemote;
};

// A program started by the test (a fake client), ended by it at the latest.
class CProgram {
public:
    CProgram(const std::string& strPath, const std::string& strTitle)
    {
        std::string commandLine = "\"" + strPath + "\" " + strTitle;
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        CreateProcessA(strPath.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_pi);
        WaitUntil([this] { return HasWindow(); }, 10000, 50);
    }
    ~CProgram()
    {
        if (m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_pi.hProcess, 99);
            WaitForSingleObject(m_pi.hProcess, 5000);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    bool HasWindow() const
    {
        return m_pi.dwProcessId && FindTopWindow(CWindowQuery(m_pi.dwProcessId, nullptr, nullptr, true));
    }
    // The exit code once ended within the time, else STILL_ACTIVE.
    DWORD ExitCode(DWORD dwWaitMs) const
    {
        DWORD dwCode = STILL_ACTIVE;
        WaitForSingleObject(m_pi.hProcess, dwWaitMs);
        GetExitCodeProcess(m_pi.hProcess, &dwCode);
        return dwCode;
    }

private:
    PROCESS_INFORMATION m_pi = {};
};

class UpdateApp : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer"; }

    // Update.exe beside a client executable and the stand-in uninstaller, which writes
    // "launched.txt" beside itself when it runs.
    static void Install(CAppDriver& app, const char* pszClient, const std::string& strSubFolder = "")
    {
        ASSERT_TRUE(app.Install(WinePath(pszClient), strSubFolder + "Velora.exe"));
        ASSERT_TRUE(app.Install(WinePath(MARKER_EXE), strSubFolder + "unins000.exe"));
    }

    // Runs the program to its end; false when it did not end in time or not with exit
    // code 0. bSawWindow: a top-level window of it (visible or not) existed meanwhile.
    static bool RunToEnd(CAppDriver& app, bool& bSawWindow)
    {
        bSawWindow = false;
        DWORD dwExitCode = 99;
        bool bEnded = WaitUntil(
            [&] {
                if (app.WaitForExit(50, dwExitCode))
                    return true;
                bSawWindow = bSawWindow || app.WaitForWindow(nullptr, nullptr, 0) != NULL;
                return false;
            },
            kTimeoutMs, 0);
        return bEnded && dwExitCode == 0;
    }

    static std::vector<CReceivedRequest> WaitForRequests(const std::string& path, size_t n)
    {
        return StandIn::WaitForRequests(path, n, 10000);
    }

    static HWND Button(HWND hSheet, int nId) { return GetDlgItem(hSheet, nId); }
    static bool IsOn(HWND hSheet, int nId)
    {
        HWND hButton = Button(hSheet, nId);
        return hButton && IsWindowVisible(hButton) && IsWindowEnabled(hButton);
    }
    // The wizard sets its buttons once its page is active, a moment after the sheet appears.
    static bool BecomesOn(HWND hSheet, int nId)
    {
        return WaitUntil([=] { return IsOn(hSheet, nId); }, 5000, 50);
    }
    static void Press(HWND hSheet, int nId)
    {
        PostMessageA(hSheet, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(Button(hSheet, nId)));
    }
    static HWND CurrentPage(HWND hSheet)
    {
        return reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    // Waits until the wizard's buttons settle on the page: Back enabled, Finish shown.
    static bool WaitForPageTwo(HWND hSheet)
    {
        return WaitUntil(
            [=] {
                HWND hFinish = Button(hSheet, kFinishButton);
                return IsOn(hSheet, kBackButton) && hFinish && IsWindowVisible(hFinish);
            },
            10000, 50);
    }

    // Next on page 1: the save dialog is answered with strName in the install folder
    // (empty: cancelled). The proposed name in m_strProposed.
    void NextAndSave(CAppDriver& app, HWND hSheet, const std::string& strName)
    {
        ASSERT_TRUE(BecomesOn(hSheet, kNextButton));
        Press(hSheet, kNextButton);
        HWND hDialog = WaitForFileDialog(app.ProcessId());
        ASSERT_NE(nullptr, hDialog) << "no save dialog";
        EXPECT_TRUE(WaitForPageTwo(hSheet));
        EXPECT_FALSE(IsOn(hSheet, kFinishButton));
        EXPECT_EQ(kWizardTitle, CAppDriver::WindowText(hSheet));
        m_strProposed = FileDialogName(hDialog);
        if (strName.empty())
            EXPECT_TRUE(CancelFileDialog(hDialog));
        else
            EXPECT_TRUE(AnswerFileDialog(hDialog, app.Folder() + strName));
    }

    // Starts Update with an offer whose installer is 2500 bytes and waits for its wizard.
    HWND StartWithOffer(CAppDriver& app, const std::string& strInstaller)
    {
        EXPECT_TRUE(StandIn::QueueReply(
            kVersionPath, 200, Offer("新版本|更快", "http://" + StandIn::DownloadHost() + ":8080/files/setup.exe")));
        EXPECT_TRUE(StandIn::QueueReply("/files/setup.exe", 200, strInstaller));
        EXPECT_TRUE(app.Start());
        return app.WaitForWindow(kWizardTitle, "#32770", kTimeoutMs);
    }

    // Update beside a client, with an offer whose first installer request gets first (a
    // second one gets 2500 bytes); its wizard.
    HWND StartWithFirstReply(CAppDriver& app, const CScriptedReply& first)
    {
        Install(app, FAKE_CLIENT_EXE);
        EXPECT_TRUE(StandIn::QueueReply("/files/setup.exe", first));
        return StartWithOffer(app, Pattern(2500));
    }

    // Downloads the installer in full and presses Finish: the prompt comes next.
    void DownloadAndFinish(CAppDriver& app)
    {
        HWND hSheet = StartWithOffer(app, Pattern(2500));
        ASSERT_NE(nullptr, hSheet);
        NextAndSave(app, hSheet, "setup.exe");
        EXPECT_EQ(kDoneBox, AnswerMessageBox(app.ProcessId(), IDOK));
        ASSERT_TRUE(IsOn(hSheet, kFinishButton));
        Press(hSheet, kFinishButton);
    }

    static bool Launched(const CAppDriver& app, const std::string& strFolder)
    {
        return WaitUntil([&] { return app.Exists(strFolder + "launched.txt"); }, 10000, 100);
    }

    std::string m_strProposed;
};

} // namespace

TEST_F(UpdateApp, WithoutAClientBesideItNothingIsAskedOrShown)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    ASSERT_TRUE(app.Start());
    bool bSawWindow = true;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
    EXPECT_FALSE(bSawWindow);
    EXPECT_TRUE(StandIn::Requests(kVersionPath).empty());
}

// The version goes in as the client's version block stores it, spaces and commas too.
TEST_F(UpdateApp, RequestCarriesTheClientVersionAsStored)
{
    const struct {
        const char* pszClient;
        const char* pszVersion;
    } cases[] = {{FAKE_CLIENT_EXE, "1, 0, 0, 2"}, {NO_VERSION_EXE, "None VerSion Supprot"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(StandIn::Reset());
        CAppDriver app(WinePath(UPDATE_EXE));
        Install(app, c.pszClient);
        ASSERT_TRUE(app.Start());
        bool bSawWindow = true;
        EXPECT_TRUE(RunToEnd(app, bSawWindow));
        std::vector<CReceivedRequest> requests = StandIn::Requests(kVersionPath);
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ("POST", requests[0].method);
        EXPECT_EQ(std::string("mobmodel=pc&mobverno=pc&clienttype=5&clientverno=") + c.pszVersion + "&info=pc",
                  requests[0].body);
    }
}

TEST_F(UpdateApp, RepliesWithoutAnOfferEndQuietly)
{
    const struct {
        int nStatus;
        std::string body;
    } cases[] = {
        {200, "{\"appid\":1,\"errorcode\":1,\"error\":\"x\",\"data\":{\"updatetype\":\"1\"}}"},
        {200, "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":{\"updatetype\":\"0\"}}"},
        {200, "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":{\"downurl\":\"http://h/s.exe\"}}"},
        {200, "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":[{\"updatetype\":\"1\"}]}"},
        {200, "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":\"updatetype\"}"},
        {200, "not a reply"},
        {500, "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":{\"updatetype\":\"1\"}}"},
        // An offer, but beyond the 8 MB a reply may have.
        {200, Offer(std::string(9 * 1024 * 1024, 'x'), "http://h/s.exe")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(StandIn::Reset());
        ASSERT_TRUE(StandIn::QueueReply(kVersionPath, c.nStatus, c.body));
        CAppDriver app(WinePath(UPDATE_EXE));
        Install(app, FAKE_CLIENT_EXE);
        ASSERT_TRUE(app.Start());
        bool bSawWindow = true;
        EXPECT_TRUE(RunToEnd(app, bSawWindow)) << c.body.substr(0, 80);
        EXPECT_FALSE(bSawWindow) << c.body.substr(0, 80);
        EXPECT_EQ(1u, StandIn::Requests(kVersionPath).size()) << c.body.substr(0, 80);
    }
}

// The release notes, one piece a row; the last case's reply is longer than the 2048 bytes
// the request reads at a time.
TEST_F(UpdateApp, WizardListsTheReleaseNotes)
{
    std::string longInfo;
    std::vector<std::string> longRows(1);
    for (int i = 1; i <= 25; ++i) {
        std::string piece = std::to_string(i) + "、" + std::string(i == 25 ? 0 : 100, 'x') + "改进";
        longInfo += (i > 1 ? "|" : "") + piece;
        if (i <= 4)
            longRows[0] += (i > 1 ? "|" : "") + piece;
        else
            longRows.push_back(piece);
    }
    ASSERT_GT(Utf8(longInfo).size(), 2048u);
    const struct {
        std::string info;
        std::vector<std::string> rows;
    } cases[] = {
        {"a|b|c", {"a", "b", "c"}},
        {"修复登录|", {"修复登录", ""}},
        {longInfo, longRows},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(StandIn::QueueReply(kVersionPath, 200, Offer(c.info, "http://h/s.exe")));
        CAppDriver app(WinePath(UPDATE_EXE));
        Install(app, FAKE_CLIENT_EXE);
        ASSERT_TRUE(app.Start());
        HWND hSheet = app.WaitForWindow(kWizardTitle, "#32770", kTimeoutMs);
        ASSERT_NE(nullptr, hSheet);
        HWND hList = GetDlgItem(CurrentPage(hSheet), 1004);
        ASSERT_NE(nullptr, hList);
        CRemoteList list(hList);
        EXPECT_EQ("检测到更新信息", list.Heading());
        EXPECT_EQ(c.rows, list.Rows());
        EXPECT_TRUE(IsOn(hSheet, kNextButton));
        EXPECT_FALSE(IsOn(hSheet, kBackButton));
        if (c.info == "a|b|c")
            CAppDriver::Screenshot(hSheet, WinePath(VELORA_SCREENSHOTS) + "\\update-page1.png");
        // Cancel ends the program; nothing is started.
        Press(hSheet, IDCANCEL);
        bool bSawWindow = false;
        EXPECT_TRUE(RunToEnd(app, bSawWindow));
        EXPECT_FALSE(app.Exists("launched.txt"));
    }
}

// Without a parent the wizard opens centred on the work area, where the X server shows it.
TEST_F(UpdateApp, WizardOpensCentredOnTheWorkArea)
{
    ASSERT_TRUE(StandIn::QueueReply(kVersionPath, 200, Offer("a", "http://h/s.exe")));
    CAppDriver app(WinePath(UPDATE_EXE));
    Install(app, FAKE_CLIENT_EXE);
    ASSERT_TRUE(app.Start());
    HWND hSheet = app.WaitForWindow(kWizardTitle, "#32770", kTimeoutMs);
    ASSERT_NE(nullptr, hSheet);
    CXWindowState shown = {};
    ASSERT_TRUE(WaitUntil([&] { return XWindowState(hSheet, shown) && shown.bViewable; }, 10000, 100));
    RECT rcWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    int cx = shown.rc.right - shown.rc.left, cy = shown.rc.bottom - shown.rc.top;
    EXPECT_EQ(rcWork.left + (rcWork.right - rcWork.left - cx) / 2, shown.rc.left);
    EXPECT_EQ(rcWork.top + (rcWork.bottom - rcWork.top - cy) / 2, shown.rc.top);
    Press(hSheet, IDCANCEL);
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
}

TEST_F(UpdateApp, FinishIsOfferedOnceTheWholeInstallerArrived)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    Install(app, FAKE_CLIENT_EXE);
    const std::string installer = Pattern(2500);
    HWND hSheet = StartWithOffer(app, installer);
    ASSERT_NE(nullptr, hSheet);
    // Proposed: the address's file name; typed without extension, saved as ".exe".
    NextAndSave(app, hSheet, "installer");
    EXPECT_EQ("setup.exe", m_strProposed);
    // The completion box belongs to the wizard, which cannot be used meanwhile.
    HWND hOwner = NULL;
    std::string strIcon;
    EXPECT_EQ(kDoneBox, AnswerMessageBox(app.ProcessId(), IDOK, kTimeoutMs, &hOwner, &strIcon));
    EXPECT_EQ(hSheet, hOwner);
    EXPECT_EQ("exclamation", strIcon);
    EXPECT_TRUE(IsOn(hSheet, kFinishButton));
    EXPECT_TRUE(IsOn(hSheet, kBackButton));
    EXPECT_EQ(100, SendMessageA(GetDlgItem(CurrentPage(hSheet), 1006), PBM_GETPOS, 0, 0));
    CAppDriver::Screenshot(hSheet, WinePath(VELORA_SCREENSHOTS) + "\\update-page2.png");
    std::string saved;
    EXPECT_TRUE(app.ReadFile("installer.exe", saved));
    EXPECT_EQ(installer, saved);
    // Fetched from port 80 although the address names 8080.
    std::vector<CReceivedRequest> requests = StandIn::Requests("/files/setup.exe");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(StandIn::DownloadHost(), requests[0].Header("Host"));

    // Back and Next once the installer arrived start nothing: no second dialog, and
    // Finish and the full bar stay.
    Press(hSheet, kBackButton);
    ASSERT_TRUE(BecomesOn(hSheet, kNextButton));
    Press(hSheet, kNextButton);
    EXPECT_EQ(nullptr, WaitForFileDialog(app.ProcessId(), 1500));
    EXPECT_TRUE(BecomesOn(hSheet, kFinishButton));
    EXPECT_EQ(100, SendMessageA(GetDlgItem(CurrentPage(hSheet), 1006), PBM_GETPOS, 0, 0));
    EXPECT_EQ(1u, StandIn::Requests("/files/setup.exe").size());
    Press(hSheet, IDCANCEL);
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
    EXPECT_FALSE(app.Exists("launched.txt"));
}

TEST_F(UpdateApp, FailedDownloadKeepsFinishOffUntilARetryArrives)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    CScriptedReply cut;
    cut.body = Pattern(5000);
    cut.truncate = 1500;
    HWND hSheet = StartWithFirstReply(app, cut);
    ASSERT_NE(nullptr, hSheet);
    NextAndSave(app, hSheet, "first.exe");
    EXPECT_EQ("Update|服务器已经关闭连接.", AnswerMessageBox(app.ProcessId(), IDOK));
    EXPECT_EQ("", AnswerMessageBox(app.ProcessId(), IDOK, 1500));
    EXPECT_FALSE(IsOn(hSheet, kFinishButton));
    EXPECT_FALSE(app.Exists("first.exe"));

    Press(hSheet, kBackButton);
    BecomesOn(hSheet, kNextButton);
    NextAndSave(app, hSheet, "second.exe");
    EXPECT_EQ(kDoneBox, AnswerMessageBox(app.ProcessId(), IDOK));
    EXPECT_TRUE(IsOn(hSheet, kFinishButton));
    std::string saved;
    EXPECT_TRUE(app.ReadFile("second.exe", saved));
    EXPECT_EQ(2500u, saved.size());
    Press(hSheet, IDCANCEL);
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
}

// Back and Next while the installer is on its way: no second save dialog and no second
// request; the page shows how far the one download has come, and that download ends it.
TEST_F(UpdateApp, BackAndNextDuringTheDownloadStartNoSecond)
{
    CScriptedReply slow;
    slow.body = Pattern(100000);
    slow.pauseAfter = 50000;
    slow.pauseMs = 5000;
    CAppDriver app(WinePath(UPDATE_EXE));
    HWND hSheet = StartWithFirstReply(app, slow);
    ASSERT_NE(nullptr, hSheet);
    NextAndSave(app, hSheet, "setup.exe");
    auto Position = [&] { return SendMessageA(GetDlgItem(CurrentPage(hSheet), 1006), PBM_GETPOS, 0, 0); };
    ASSERT_TRUE(WaitUntil([&] { return Position() == 50; }, 10000, 20));

    Press(hSheet, kBackButton);
    ASSERT_TRUE(BecomesOn(hSheet, kNextButton));
    Press(hSheet, kNextButton);
    EXPECT_EQ(nullptr, WaitForFileDialog(app.ProcessId(), 1500));
    EXPECT_TRUE(WaitForPageTwo(hSheet));
    EXPECT_GE(Position(), 50);
    EXPECT_FALSE(IsOn(hSheet, kFinishButton));

    EXPECT_EQ(kDoneBox, AnswerMessageBox(app.ProcessId(), IDOK));
    EXPECT_TRUE(IsOn(hSheet, kFinishButton));
    EXPECT_EQ(100, Position());
    EXPECT_EQ(1u, StandIn::Requests("/files/setup.exe").size());
    std::string saved;
    EXPECT_TRUE(app.ReadFile("setup.exe", saved));
    EXPECT_EQ(slow.body, saved);
    Press(hSheet, IDCANCEL);
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
}

// Only the client beside the updater is ended; a window titled "Velora" in another
// program, or in a client elsewhere, is left alone.
TEST_F(UpdateApp, FinishEndsTheClientBesideItAndStartsItsUninstaller)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    Install(app, FAKE_CLIENT_EXE);
    ASSERT_TRUE(app.Install(WinePath(FAKE_CLIENT_EXE), "Explorer.exe"));
    CAppDriver elsewhere(WinePath(FAKE_CLIENT_EXE));
    ASSERT_TRUE(elsewhere.Install(WinePath(FAKE_CLIENT_EXE), "Velora.exe"));
    CProgram folderView(app.Folder() + "Explorer.exe", "VELORA");
    CProgram otherClient(elsewhere.Folder() + "Velora.exe", "Velora");
    CProgram client(app.Folder() + "Velora.exe", "Velora");
    ASSERT_TRUE(folderView.HasWindow() && otherClient.HasWindow() && client.HasWindow());

    DownloadAndFinish(app);
    EXPECT_EQ(kFinishPrompt, AnswerMessageBox(app.ProcessId(), IDOK));
    EXPECT_EQ(4u, client.ExitCode(10000));
    EXPECT_TRUE(Launched(app, ""));
    std::string marker;
    EXPECT_TRUE(app.ReadFile("launched.txt", marker));
    EXPECT_EQ(app.Folder() + "unins000.exe", marker);
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), folderView.ExitCode(0));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), otherClient.ExitCode(0));
}

TEST_F(UpdateApp, CancelAtThePromptEndsAndStartsNothing)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    Install(app, FAKE_CLIENT_EXE);
    CProgram client(app.Folder() + "Velora.exe", "Velora");
    DownloadAndFinish(app);
    EXPECT_EQ(kFinishPrompt, AnswerMessageBox(app.ProcessId(), IDCANCEL));
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), client.ExitCode(0));
    EXPECT_FALSE(app.Exists("launched.txt"));
}

// No client runs; the updater sits in a folder whose path has a blank, started from
// another current folder. Its uninstaller starts, not the program that the first word of
// an unquoted path would name ("...\with.exe").
TEST_F(UpdateApp, UninstallerStartsWithoutARunningClientFromAFolderWithABlank)
{
    CAppDriver app(WinePath(UPDATE_EXE));
    ASSERT_TRUE(CreateDirectoryA((app.Folder() + "with space").c_str(), NULL));
    Install(app, FAKE_CLIENT_EXE, "with space\\");
    ASSERT_TRUE(app.Install(WinePath(MARKER_EXE), "with.exe"));
    ASSERT_TRUE(
        StandIn::QueueReply(kVersionPath, 200, Offer("a", "http://" + StandIn::DownloadHost() + "/files/setup.exe")));
    ASSERT_TRUE(StandIn::QueueReply("/files/setup.exe", 200, Pattern(100)));
    ASSERT_TRUE(app.Start("", "with space\\"));
    HWND hSheet = app.WaitForWindow(kWizardTitle, "#32770", kTimeoutMs);
    ASSERT_NE(nullptr, hSheet);
    NextAndSave(app, hSheet, "setup.exe");
    EXPECT_EQ(kDoneBox, AnswerMessageBox(app.ProcessId(), IDOK));
    Press(hSheet, kFinishButton);
    EXPECT_EQ(kFinishPrompt, AnswerMessageBox(app.ProcessId(), IDOK));
    EXPECT_TRUE(Launched(app, "with space\\"));
    bool bSawWindow = false;
    EXPECT_TRUE(RunToEnd(app, bSawWindow));
    EXPECT_FALSE(app.Exists("launched.txt"));
}
