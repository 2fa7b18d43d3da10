// The service tasks' outcomes inside a client: an application object, its main frame
// and a window that stands for a dialog, with replies scripted at the stand-in.

#include "framework/uicall.h"
#include "model/treeops.h"
#include "model/userprofile.h"
#include "task/taskregistry.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/windowmessages.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/tasks/checkversiontask.h"
#include "velora/tasks/getnodeinfowithallchildtask.h"
#include "velora/tasks/getnodelisttask.h"
#include "velora/tasks/getuserinfotask.h"
#include "velora/tasks/logintask.h"
#include "velora/tasks/registertask.h"
#include "velora/veloraapp.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace {

CVeloraApp theApp;

// What a window other than the frame (a dialog) received, and on which thread.
struct CReceived {
    UINT message;
    LPARAM lParam;
    DWORD dwThreadId;
    std::string strHeadImageThen; // the frame's avatar text while the message was handled
};
std::vector<CReceived> g_received;
CMainFrame* g_pFrame = nullptr;

LRESULT CALLBACK ReceiverProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_USER + 100 && message <= WM_USER + 109) {
        g_received.push_back({message, lParam, GetCurrentThreadId(), g_pFrame ? g_pFrame->m_strHeadImage : ""});
        if (message == WM_USERINFO_READY)
            delete reinterpret_cast<CUserProfile*>(lParam);
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

class ServiceTasks : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(CUiCall::CreateWindowForThread());
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ReceiverProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "ServiceTaskReceiver";
        RegisterClassA(&wc);
        g_pFrame = new CMainFrame;
        g_pFrame->m_bStarted = TRUE; // no start-up sequence here
        ASSERT_TRUE(g_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        theApp.m_pMainWnd = g_pFrame;
    }

    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Reset());
        g_received.clear();
        ReplaceChildren(&g_pFrame->m_rootNode, {});
        g_pFrame->m_strHeadImage = "old";
        g_pFrame->m_strNickname.Empty();
        theApp.m_strSessionCode.Empty();
        theApp.m_nUserId = 0;
        m_hReceiver = CreateWindowExA(0, "ServiceTaskReceiver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    }
    void TearDown() override { DestroyWindow(m_hReceiver); }

    // Starts the task as its launcher would and pumps this (the UI) thread's messages
    // until the registry has removed it.
    void Run(IHttpTask* pTask, const char* pszPath, const std::string& strReply)
    {
        ASSERT_TRUE(StandIn::QueueReply(pszPath, 200, strReply));
        theApp.ExecuteTask(pTask);
        PumpUntil([] { return GetTaskRegistry().GetCount() == 0; }, 15000);
        ASSERT_EQ(0u, GetTaskRegistry().GetCount());
    }

    static std::string Login(const std::string& strHead, int nErrorCode = 0)
    {
        return "{\"errorcode\":" + std::to_string(nErrorCode) +
               ",\"data\":{\"sessioncode\":\"S1\",\"logintype\":\"42\",\"nickname\":\"\xE6\x97\x85\","
               "\"head\":\"" +
               strHead + "\"}}";
    }

    static std::string Nodes(const std::string& strTable)
    {
        return "{\"errorcode\":0,\"data\":{\"table\":" + strTable + "}}";
    }

    HWND m_hReceiver = NULL;
};

const char kLogin[] = "/client/login/";
const char kList[] = "/client/Tree/getchildnode.aspx";
const char kTree[] = "/client/tree/getchildnoebyrootnode.aspx";
const char kVersion[] = "/client/update/";

} // namespace

TEST_F(ServiceTasks, LoginWritesSessionAndAccountOnTheUiThreadBeforeNotifying)
{
    std::string strHead(51, 'h');
    Run(new CLoginTask(kLogin, 0, m_hReceiver), kLogin, Login(strHead));
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_LOGIN_OK), g_received[0].message);
    EXPECT_EQ(GetCurrentThreadId(), g_received[0].dwThreadId);
    EXPECT_EQ(strHead, g_received[0].strHeadImageThen);
    EXPECT_EQ(CString("S1"), theApp.m_strSessionCode);
    EXPECT_EQ(42, theApp.m_nUserId);
    EXPECT_EQ(CString("旅"), g_pFrame->m_strNickname);
}

TEST_F(ServiceTasks, BindKeepsAnAvatarOfFiftyBytes)
{
    Run(new CLoginTask(kLogin, 1, m_hReceiver), kLogin, Login(std::string(50, 'h')));
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_BIND_OK), g_received[0].message);
    EXPECT_EQ("old", g_pFrame->m_strHeadImage);
    EXPECT_EQ(CString("S1"), theApp.m_strSessionCode);
}

TEST_F(ServiceTasks, FailedBindSaysSoAndFailedLoginIsSilent)
{
    CBoxAnswerer answerer;
    Run(new CLoginTask(kLogin, 1, m_hReceiver), kLogin, Login("", 7));
    Run(new CLoginTask(kLogin, 0, m_hReceiver), kLogin, Login("", 7));
    Run(new CLoginTask(kLogin, 5, m_hReceiver), kLogin, Login(""));
    EXPECT_TRUE(g_received.empty());
    ASSERT_EQ(1u, answerer.Boxes().size());
    EXPECT_EQ("Velora|绑定失败！", answerer.Boxes()[0]);
    EXPECT_TRUE(theApp.m_strSessionCode == "S1"); // the id-5 reply was still a login reply
}

TEST_F(ServiceTasks, FailedRegistrationShowsTheServersText)
{
    CBoxAnswerer answerer;
    const char kRegister[] = "/client/Reg/PCcustom.aspx";
    Run(new CRegisterTask(kRegister, 2, m_hReceiver), kRegister, "{\"errorcode\":3,\"error\":\"\"}");
    Run(new CRegisterTask(kRegister, 2, m_hReceiver), kRegister, "");
    Run(new CRegisterTask(kRegister, 2, m_hReceiver), kRegister, "{\"errorcode\":0}");
    ASSERT_EQ(2u, answerer.Boxes().size());
    EXPECT_EQ("Velora|注册失败:", answerer.Boxes()[0]);
    EXPECT_EQ("Velora|注册失败:服务器返回消息为空", answerer.Boxes()[1]);
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_REGISTER_OK), g_received[0].message);
}

TEST_F(ServiceTasks, TopLevelListFillsTheRootEvenWhenEmptyOrForeign)
{
    Run(new CGetNodeListTask(kList, 3, m_hReceiver), kList,
        Nodes("[{\"nodeid\":\"10\",\"pid\":\"0\"},{\"nodeid\":\"20\",\"pid\":\"0\"}]"));
    ASSERT_EQ(2u, g_pFrame->m_rootNode.GetChildren().size());
    EXPECT_EQ(20, g_pFrame->m_rootNode.GetChildren()[1]->GetNodeId());

    Run(new CGetNodeListTask(kList, 3, m_hReceiver), kList, Nodes("[]"));
    Run(new CGetNodeListTask(kList, 3, m_hReceiver), kList, Nodes("[{\"nodeid\":\"5\",\"pid\":\"77\"}]"));
    EXPECT_EQ(2u, g_pFrame->m_rootNode.GetChildren().size());
    ASSERT_EQ(3u, g_received.size());
    for (const CReceived& received : g_received)
        EXPECT_EQ(static_cast<UINT>(WM_NODE_LIST_READY), received.message);
}

TEST_F(ServiceTasks, ChildListOfOneNode)
{
    Run(new CGetNodeListTask(kList, 3, m_hReceiver), kList, Nodes("[{\"nodeid\":\"10\",\"pid\":\"0\"}]"));
    g_received.clear();
    Run(new CGetNodeListTask(kList, 4, m_hReceiver), kList, Nodes("[]"));
    Run(new CGetNodeListTask(kList, 4, m_hReceiver), kList, Nodes("[{\"nodeid\":\"11\",\"pid\":\"99\"}]"));
    EXPECT_TRUE(g_received.empty());
    Run(new CGetNodeListTask(kList, 4, m_hReceiver), kList, Nodes("[{\"nodeid\":\"11\",\"pid\":\"10\"}]"));
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_NODE_CHILDREN_READY), g_received[0].message);
    TreeNode* pParent = FindNodeById(&g_pFrame->m_rootNode, 10);
    ASSERT_NE(nullptr, pParent);
    EXPECT_EQ(reinterpret_cast<LPARAM>(pParent), g_received[0].lParam);
    ASSERT_EQ(1u, pParent->GetChildren().size());
}

TEST_F(ServiceTasks, SubtreeIsMergedOnlyWhereItsNodeIs)
{
    Run(new CGetNodeListTask(kList, 3, m_hReceiver), kList, Nodes("[{\"nodeid\":\"10\",\"pid\":\"0\"}]"));
    g_received.clear();
    Run(new CGetNodeInfoWithAllChildTask(kTree, 4, m_hReceiver), kTree, Nodes("{\"nodeid\":\"10\"}"));
    Run(new CGetNodeInfoWithAllChildTask(kTree, 4, m_hReceiver), kTree,
        Nodes("{\"nodeid\":\"55\",\"children\":[{\"nodeid\":\"56\"}]}"));
    EXPECT_TRUE(g_received.empty());
    Run(new CGetNodeInfoWithAllChildTask(kTree, 4, m_hReceiver), kTree,
        Nodes("{\"nodeid\":\"10\",\"children\":[{\"nodeid\":\"11\"},{\"nodeid\":\"12\"}]}"));
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_NODE_TREE_READY), g_received[0].message);
    ASSERT_EQ(1u, g_pFrame->m_rootNode.GetChildren().size());
    TreeNode* pMerged = g_pFrame->m_rootNode.GetChildren()[0];
    EXPECT_EQ(reinterpret_cast<LPARAM>(pMerged), g_received[0].lParam);
    EXPECT_EQ(2u, pMerged->GetChildren().size());
}

TEST_F(ServiceTasks, VersionCheckFromAnotherWindowTellsItsOutcome)
{
    CBoxAnswerer answerer;
    Run(new CCheckVersionTask(kVersion, 5, m_hReceiver), kVersion, "{\"errorcode\":0,\"data\":{\"updatetype\":\"0\"}}");
    Run(new CCheckVersionTask(kVersion, 5, m_hReceiver), kVersion, "{\"errorcode\":1}");
    Run(new CCheckVersionTask(kVersion, 5, m_hReceiver), kVersion, "{\"errorcode\":0,\"data\":{\"updatetype\":\"1\"}}");
    ASSERT_EQ(2u, answerer.Boxes().size());
    EXPECT_EQ("Velora|客户端当前版本已经是最新的！", answerer.Boxes()[0]);
    EXPECT_EQ("Velora|版本检测失败，请重试！", answerer.Boxes()[1]);
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_NEW_VERSION), g_received[0].message);
}

TEST_F(ServiceTasks, VersionCheckFromTheFrameIsSilent)
{
    CBoxAnswerer answerer;
    Run(new CCheckVersionTask(kVersion, 5, g_pFrame->m_hWnd), kVersion, "{\"errorcode\":1}");
    Run(new CCheckVersionTask(kVersion, 5, g_pFrame->m_hWnd), kVersion, "{\"errorcode\":0}");
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(ServiceTasks, ProfileGoesToItsWindowOrIsFreed)
{
    const char kInfo[] = "/client/getuserinfo/getuserinfo.aspx";
    Run(new CGetUserInfoTask(kInfo, 6, m_hReceiver), kInfo, "{\"errorcode\":0,\"data\":{\"table\":{}}}");
    ASSERT_EQ(1u, g_received.size());
    EXPECT_EQ(static_cast<UINT>(WM_USERINFO_READY), g_received[0].message);
    HWND hGone = m_hReceiver;
    DestroyWindow(m_hReceiver);
    m_hReceiver = NULL;
    Run(new CGetUserInfoTask(kInfo, 6, hGone), kInfo, "{\"errorcode\":0,\"data\":{\"table\":{}}}");
    EXPECT_EQ(1u, g_received.size());
}
