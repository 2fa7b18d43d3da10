// Velora started as a user would: from its own install folder, against the stand-in.

#include "tests/support/appdriver.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogs.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "velora/resource.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

const char kVersionPath[] = "/client/update/";
const char kListPath[] = "/client/Tree/getchildnode.aspx";
const char kLoginPath[] = "/client/login/";
const char kTreePath[] = "/client/tree/getchildnoebyrootnode.aspx";
const DWORD kWindowTimeoutMs = 30000;

// The stored account "traveller" / "secret1" in the configuration file's form: each
// string as a one-byte length and its bytes.
std::string StoredAccount(const std::string& user, const std::string& password)
{
    return std::string(1, static_cast<char>(user.size())) + user + std::string(1, static_cast<char>(password.size())) +
           password;
}

class VeloraStartup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer"; }

    HWND StartAndWaitForFrame(CAppDriver& app)
    {
        EXPECT_TRUE(app.Start());
        return app.WaitForFrame("Velora", kWindowTimeoutMs);
    }

    static bool WaitForFile(const CAppDriver& app, const char* pszName)
    {
        return WaitUntil([&] { return app.Exists(pszName); }, 10000, 100);
    }

    static void Close(CAppDriver& app, HWND hFrame)
    {
        PostMessage(hFrame, WM_CLOSE, 0, 0);
        DWORD dwExitCode = 99;
        EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
        EXPECT_EQ(0u, dwExitCode);
    }

    static std::string ShotPath(const char* pszName) { return WinePath(VELORA_SCREENSHOTS) + "\\" + pszName + ".png"; }
};

} // namespace

TEST_F(VeloraStartup, FirstStartCreatesTheConfigurationAndRequestsNothing)
{
    CAppDriver app(WinePath(VELORA_EXE));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);
    EXPECT_EQ("Velora", CAppDriver::WindowText(hFrame));
    RECT rc;
    GetWindowRect(hFrame, &rc);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 920) / 2, rc.left);
    EXPECT_EQ(920, rc.right - rc.left);
    EXPECT_EQ(680, rc.bottom - rc.top);
    if (GetSystemMetrics(SM_CXSCREEN) == 1024) {
        EXPECT_EQ(52, rc.left);
    }

    WaitForFile(app, "data\\config.vr");
    std::string bytes;
    ASSERT_TRUE(app.ReadFile("data\\config.vr", bytes));
    EXPECT_EQ("", bytes);
    CAppDriver::Screenshot(hFrame, ShotPath("velora-first-start"));
    Sleep(1000);
    EXPECT_TRUE(StandIn::Requests(kVersionPath).empty());
    EXPECT_TRUE(StandIn::Requests(kListPath).empty());
    EXPECT_TRUE(StandIn::Requests(kLoginPath).empty());
    Close(app, hFrame);
}

TEST_F(VeloraStartup, MissingConfigurationIsCreatedEmpty)
{
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\readme.txt", "x"));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);
    WaitForFile(app, "data\\config.vr");
    EXPECT_TRUE(app.Exists("data\\config.vr"));
    Sleep(1000);
    EXPECT_TRUE(StandIn::Requests(kVersionPath).empty());
    EXPECT_TRUE(StandIn::Requests(kListPath).empty());
    Close(app, hFrame);
}

// Each request runs on its own thread, so their order of arrival is not their order of
// start: only the bodies are checked here.
TEST_F(VeloraStartup, StoredAccountStartsVersionCheckListAndLogin)
{
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("traveller", "secret1")));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);

    std::vector<CReceivedRequest> version = StandIn::WaitForRequests(kVersionPath, 1);
    std::vector<CReceivedRequest> list = StandIn::WaitForRequests(kListPath, 1);
    std::vector<CReceivedRequest> login = StandIn::WaitForRequests(kLoginPath, 1);
    ASSERT_EQ(1u, version.size());
    ASSERT_EQ(1u, list.size());
    ASSERT_EQ(1u, login.size());
    EXPECT_EQ("clienttype=5&clientverno=1.0.0.1&info=pc&mobmodel=pc&mobverno=pc&", version[0].body);
    EXPECT_EQ("pid=0&", list[0].body);
    EXPECT_EQ("pass=secret1&user=traveller&", login[0].body);
    Close(app, hFrame);
}

TEST_F(VeloraStartup, EmptyStoredNameSendsNoLogin)
{
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("", "")));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);
    EXPECT_EQ(1u, StandIn::WaitForRequests(kListPath, 1).size());
    EXPECT_EQ(1u, StandIn::WaitForRequests(kVersionPath, 1).size());
    Sleep(1000);
    EXPECT_TRUE(StandIn::Requests(kLoginPath).empty());
    Close(app, hFrame);
}

TEST_F(VeloraStartup, TruncatedConfigurationShowsTheFrameworkMessageAndGoesOn)
{
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", std::string("\x09trav", 5)));
    ASSERT_TRUE(app.Start());
    CBoxAnswerer answerer(app.ProcessId());
    HWND hFrame = app.WaitForFrame("Velora", kWindowTimeoutMs);
    ASSERT_NE(nullptr, hFrame);
    WaitUntil([&] { return !answerer.Boxes().empty(); }, 15000, 100);
    ASSERT_EQ(1u, answerer.Boxes().size());
    EXPECT_EQ(0u, answerer.Boxes()[0].find("Velora|"));
    // The sequence goes on with what could be read: no name, so no login.
    EXPECT_EQ(1u, StandIn::WaitForRequests(kListPath, 1).size());
    EXPECT_TRUE(IsWindow(hFrame));
    Close(app, hFrame);
}

// The box runs its loop inside the frame's first caption paint: a close that arrives
// meanwhile must wait for the box, not destroy the frame under it.
TEST_F(VeloraStartup, CloseDuringTheStartUpBoxWaitsForTheBox)
{
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", std::string("\x09trav", 5)));
    ASSERT_TRUE(app.Start());
    HWND hBox = app.WaitForWindow("Velora", "#32770", kWindowTimeoutMs);
    HWND hFrame = app.WaitForFrame("Velora", 1000);
    ASSERT_NE(nullptr, hBox);
    ASSERT_NE(nullptr, hFrame);
    EXPECT_EQ(hFrame, GetWindow(hBox, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(hFrame));
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    Sleep(1000);
    EXPECT_TRUE(IsWindow(hFrame));
    EXPECT_TRUE(IsWindow(hBox));
    CBoxAnswerer answerer(app.ProcessId());
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_EQ(1u, answerer.Boxes().size());
}

TEST_F(VeloraStartup, SecondInstanceSaysSoAndEndsWithoutAFrame)
{
    CAppDriver first(WinePath(VELORA_EXE));
    HWND hFrame = StartAndWaitForFrame(first);
    ASSERT_NE(nullptr, hFrame);

    CAppDriver second(WinePath(VELORA_EXE));
    ASSERT_TRUE(second.Start());
    std::string strIcon;
    EXPECT_EQ("Velora|维罗客户端已经在运行了", AnswerMessageBox(second.ProcessId(), IDOK, 30000, nullptr, &strIcon));
    EXPECT_EQ("exclamation", strIcon);
    CBoxAnswerer answerer(second.ProcessId());
    DWORD dwExitCode = 99;
    EXPECT_TRUE(second.WaitForExit(30000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_TRUE(answerer.Boxes().empty());
    Close(first, hFrame);
}

// Here the test program's window stands for a folder view of a folder named Velora.
TEST_F(VeloraStartup, AnotherProgramsWindowTitledVeloraDoesNotStopTheClient)
{
    HWND hOther = CreateWindowExA(0, "STATIC", "Velora", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hOther);
    CAppDriver app(WinePath(VELORA_EXE));
    HWND hFrame = StartAndWaitForFrame(app);
    DestroyWindow(hOther);
    ASSERT_NE(nullptr, hFrame);
    Close(app, hFrame);
}

TEST_F(VeloraStartup, ClosingWithRequestsInFlightEndsCleanly)
{
    CScriptedReply slow;
    slow.body = "{\"errorcode\":0,\"data\":{\"table\":[]}}";
    slow.delayMs = 8000;
    ASSERT_TRUE(StandIn::QueueReply(kListPath, slow));
    ASSERT_TRUE(StandIn::QueueReply(kVersionPath, slow));
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("", "")));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);
    ASSERT_EQ(1u, StandIn::WaitForRequests(kListPath, 1).size());
    // The workers still wait for their replies: the process ends without them, at once.
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(2000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
}

TEST_F(VeloraStartup, UpdateTypeTwoStartsTheUpdaterAndEndsTheClient)
{
    ASSERT_TRUE(StandIn::QueueReply(kVersionPath, 200, "{\"errorcode\":0,\"data\":{\"updatetype\":\"2\"}}"));
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("", "")));
    ASSERT_TRUE(app.Install(WinePath(VELORA_UPDATE_STUB), "Update.exe"));
    ASSERT_TRUE(app.Start());
    CBoxAnswerer answerer(app.ProcessId());
    DWORD dwExitCode = 99;
    ASSERT_TRUE(app.WaitForExit(30000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
    ASSERT_EQ(1u, answerer.Boxes().size());
    EXPECT_EQ("Velora|囧...您的客户端太老，必须升级后才能使用", answerer.Boxes()[0]);
    WaitForFile(app, "launched.txt");
    EXPECT_TRUE(app.Exists("launched.txt"));
}

TEST_F(VeloraStartup, UpdateTypeOneAsksAndCancelStartsNothing)
{
    ASSERT_TRUE(StandIn::QueueReply(kVersionPath, 200, "{\"errorcode\":0,\"data\":{\"updatetype\":\"1\"}}"));
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("", "")));
    ASSERT_TRUE(app.Install(WinePath(VELORA_UPDATE_STUB), "Update.exe"));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForFrame("Velora", kWindowTimeoutMs);
    ASSERT_NE(nullptr, hFrame);
    HWND hBox = app.WaitForWindow("维罗路书", "#32770", 15000);
    ASSERT_NE(nullptr, hBox);
    char szText[256] = "";
    GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
    EXPECT_STREQ("检测到新的更新版本，现在需要更新吗？", szText);
    PostMessage(hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Sleep(1500);
    EXPECT_FALSE(app.Exists("launched.txt"));
    EXPECT_TRUE(IsWindow(hFrame));
    Close(app, hFrame);
}

// Node replies rebuild the frame's tree: the first top-level category's subtree is
// asked for when that category is not a leaf.
TEST_F(VeloraStartup, TopLevelListAsksForTheFirstCategorysSubtree)
{
    ASSERT_TRUE(
        StandIn::QueueReply(kListPath, 200,
                            "{\"errorcode\":0,\"data\":{\"table\":[{\"nodeid\":\"12\",\"pid\":\"0\",\"isleaf\":\"0\"},"
                            "{\"nodeid\":\"13\",\"pid\":\"0\",\"isleaf\":\"1\"}]}}"));
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", StoredAccount("", "")));
    HWND hFrame = StartAndWaitForFrame(app);
    ASSERT_NE(nullptr, hFrame);
    std::vector<CReceivedRequest> tree = StandIn::WaitForRequests(kTreePath, 1);
    ASSERT_EQ(1u, tree.size());
    EXPECT_EQ("nodeid=12&", tree[0].body);
    Close(app, hFrame);
}

TEST_F(VeloraStartup, TrayIconIsAddedAndRemovedWhenClosedOrExitedFromTheTray)
{
    const struct {
        const char* pszCase;
        UINT message;
        WPARAM wParam;
    } endings[] = {{"window closed", WM_CLOSE, 0}, {"tray exit command", WM_COMMAND, ID_TRAY_EXIT}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.pszCase);
        int nBefore = CountTrayIcons();
        CAppDriver app(WinePath(VELORA_EXE));
        HWND hFrame = StartAndWaitForFrame(app);
        ASSERT_NE(nullptr, hFrame);
        WaitUntil([&] { return CountTrayIcons() != nBefore; }, 10000, 100);
        EXPECT_EQ(nBefore + 1, CountTrayIcons());
        PostMessage(hFrame, ending.message, ending.wParam, 0);
        DWORD dwExitCode = 99;
        EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
        EXPECT_EQ(0u, dwExitCode);
        WaitUntil([&] { return CountTrayIcons() == nBefore; }, 10000, 100);
        EXPECT_EQ(nBefore, CountTrayIcons());
    }
}
