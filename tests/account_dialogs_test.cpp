// The login, register and settings dialogs inside a client: a real application object
// with its document and main frame, the dialogs run modally on this thread and driven
// from another as a user would, every box answered, the stand-in's requests and the
// configuration file read back byte for byte. The flat test skins lie beside the
// program, so the frame's colours can be read from the screen.

#include "skin_colours.h"
#include "task/taskregistry.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogclient.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/autostart.h"
#include "util/paths.h"
#include "util/windowmessages.h"
#include "velora/dialoglogin.h"
#include "velora/dialogregister.h"
#include "velora/dialogset.h"
#include "velora/resource.h"
#include "velora/velorabrowser.h"

#include <gtest/gtest.h>
#include <accctrl.h>
#include <aclapi.h>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kLogin[] = "/client/login/";
const char kRegister[] = "/client/Reg/PCcustom.aspx";
const char kVersion[] = "/client/update/";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

using DialogClient::ConfigBytes;

// The configuration file's form of a stored pair: each string as a length byte and its bytes.
std::string Stored(const std::string& strUser, const std::string& strPassword)
{
    return std::string(1, static_cast<char>(strUser.size())) + strUser +
           std::string(1, static_cast<char>(strPassword.size())) + strPassword;
}

// A value as the request body carries it: the launcher's UTF-8 conversion of the
// code-page-936 text, converted once more by the body.
std::string TwiceUtf8(const std::string& strAnsi)
{
    auto convert = [](const std::string& strIn) {
        wchar_t wsz[256] = {};
        MultiByteToWideChar(936, 0, strIn.c_str(), -1, wsz, 256);
        char sz[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, wsz, -1, sz, sizeof(sz), NULL, NULL);
        return std::string(sz);
    };
    return convert(convert(strAnsi));
}

// The Run key: readable by everyone, writable by no one, or as the prefix had it.
class CRunKeyLock {
public:
    CRunKeyLock()
    {
        HKEY hKey = NULL;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, READ_CONTROL | WRITE_DAC, &hKey) != ERROR_SUCCESS)
            return;
        DWORD dwSize = 0;
        RegGetKeySecurity(hKey, DACL_SECURITY_INFORMATION, NULL, &dwSize);
        m_saved.resize(dwSize);
        if (dwSize && RegGetKeySecurity(hKey, DACL_SECURITY_INFORMATION, m_saved.data(), &dwSize) == ERROR_SUCCESS) {
            m_bLocked = SetReadOnly(hKey);
        }
        RegCloseKey(hKey);
    }
    ~CRunKeyLock()
    {
        HKEY hKey = NULL;
        if (!m_bLocked || RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, WRITE_DAC, &hKey) != ERROR_SUCCESS)
            return;
        RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, m_saved.data());
        RegCloseKey(hKey);
    }
    bool Locked() const { return m_bLocked; }

private:
    static bool SetReadOnly(HKEY hKey)
    {
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID pEveryone = NULL;
        if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &pEveryone))
            return false;
        EXPLICIT_ACCESS_A access = {};
        access.grfAccessPermissions = KEY_READ;
        access.grfAccessMode = SET_ACCESS;
        access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        access.Trustee.ptstrName = static_cast<LPSTR>(pEveryone);
        PACL pAcl = NULL;
        bool bSet = SetEntriesInAclA(1, &access, NULL, &pAcl) == ERROR_SUCCESS;
        SECURITY_DESCRIPTOR sd;
        bSet = bSet && InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) &&
               SetSecurityDescriptorDacl(&sd, TRUE, pAcl, FALSE) &&
               RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
        LocalFree(pAcl);
        FreeSid(pEveryone);
        return bSet;
    }
    std::vector<BYTE> m_saved;
    bool m_bLocked = false;
};

class AccountDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(DialogClient::Start()); }
    static void TearDownTestSuite() { DeleteFileA(DialogClient::Frame()->m_strConfigPath); }

    void SetUp() override
    {
        ASSERT_TRUE(StandIn::Reset());
        StoreAccount("", "");
        DeleteFileA(DialogClient::Frame()->m_strConfigPath);
        DialogClient::App().m_strSessionCode.Empty();
        DialogClient::ResetCounters();
        RemoveAutoStart();
    }
    void TearDown() override { RemoveAutoStart(); }

    static void StoreAccount(const char* pszUser, const char* pszPassword)
    {
        DialogClient::Doc().GetUserInfo()->SetUserName(pszUser);
        DialogClient::Doc().GetUserInfo()->SetPassword(pszPassword);
    }

    static std::vector<CReceivedRequest> WaitForRequests(const char* pszPath, size_t n)
    {
        return StandIn::WaitForRequests(pszPath, n, 10000, 50);
    }

    static void WaitForIdleTasks()
    {
        WaitUntil([] { return GetTaskRegistry().GetCount() == 0; }, 10000, 20);
    }

    static std::string LoginReply(int nErrorCode)
    {
        return "{\"errorcode\":" + std::to_string(nErrorCode) +
               ",\"data\":{\"sessioncode\":\"S1\",\"logintype\":\"7\",\"nickname\":\"n\",\"head\":\"\"}}";
    }
};

struct CInputRow {
    std::vector<std::string> fields;
    std::string message;
};

// Types each row into the fields, presses the button and reads the one box it causes.
void CheckRows(CDialogDriver& dlg, CBoxAnswerer& answerer, const std::vector<int>& fieldIds, int nButton,
               const std::vector<CInputRow>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t f = 0; f < fieldIds.size(); ++f)
            dlg.Type(fieldIds[f], rows[i].fields[f]);
        dlg.Press(nButton);
        ASSERT_TRUE(answerer.WaitForBoxes(i + 1)) << "row " << i;
        EXPECT_EQ("Velora|" + rows[i].message, answerer.Boxes()[i]) << "row " << i;
    }
}

// The stand-in updater beside this program, which writes "launched.txt" when it runs.
class CUpdaterStub {
public:
    CUpdaterStub() : m_strUpdater(GetFullPath("Update.exe")), m_strMarker(GetFullPath("launched.txt"))
    {
        m_bInstalled = CopyFileA(GetFullPath("fixture_update_stub.exe"), m_strUpdater, FALSE) != FALSE;
        DeleteFileA(m_strMarker);
    }
    ~CUpdaterStub()
    {
        DeleteFileA(m_strMarker);
        DeleteFileA(m_strUpdater);
    }
    bool Installed() const { return m_bInstalled; }
    bool WaitLaunched() const
    {
        return WaitUntil([this] { return GetFileAttributesA(m_strMarker) != INVALID_FILE_ATTRIBUTES; }, 10000, 50);
    }

private:
    CString m_strUpdater, m_strMarker;
    bool m_bInstalled = false;
};

const std::string kPassword21(21, 'p');
const std::string kPassword20(20, 'q');

} // namespace

TEST_F(AccountDialogs, LoginChecksInOrderAndSendsNothingOnFailure)
{
    const char kBadName[] = "用户名输入错误，长度限制在3-15个字符";
    const char kBadPassword[] = "密码输入错误，密码长度限制在6-20个字符";
    const std::vector<CInputRow> rows = {
        {{"", ""}, "账号不能为空！"},
        {{"ab", "secret1"}, kBadName},
        {{"abcdefghijklmnop", "secret1"}, kBadName},
        {{"中文", ""}, "密码不能为空！"}, // two Chinese characters are 4 bytes: a name
        {{"abc", ""}, "密码不能为空！"},
        {{"abc", "12345"}, kBadPassword},
        {{"abc", kPassword21}, kBadPassword},
        {{"abcdefgh@example.com", "12345"}, kBadPassword}, // an address of 20 characters is an account
        {{"abc", "中文"}, kBadPassword},
    };
    CBoxAnswerer answerer;
    DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, [&](CDialogDriver& dlg) {
        CheckRows(dlg, answerer, {IDC_LOGIN_EDIT_ACCOUNT, IDC_LOGIN_EDIT_PASSWORD}, IDC_BTN_LOGIN, rows);
    });
    EXPECT_EQ(rows.size(), answerer.Boxes().size());
    EXPECT_TRUE(StandIn::Requests(kLogin).empty());
}

// Refused logins leave the dialog open without a word; the accepted one stores the pair
// exactly as typed, blanks included, and closes it.
TEST_F(AccountDialogs, LoginSendsTrimmedUtf8AndStoresWhatWasTyped)
{
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200, LoginReply(1)));
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200, LoginReply(2)));
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200, LoginReply(0)));
    const std::string strEmail20 = "abcdefgh@example.com";
    CBoxAnswerer answerer;
    bool bClosed = false;
    INT_PTR nResult = DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, [&](CDialogDriver& dlg) {
        dlg.Type(IDC_LOGIN_EDIT_ACCOUNT, "abc");
        dlg.Type(IDC_LOGIN_EDIT_PASSWORD, "secret");
        dlg.Press(IDC_BTN_LOGIN);
        ASSERT_EQ(1u, WaitForRequests(kLogin, 1).size());
        dlg.Type(IDC_LOGIN_EDIT_ACCOUNT, strEmail20);
        dlg.Type(IDC_LOGIN_EDIT_PASSWORD, kPassword20);
        dlg.Key(IDC_LOGIN_EDIT_PASSWORD, VK_RETURN);
        ASSERT_EQ(2u, WaitForRequests(kLogin, 2).size());
        WaitForIdleTasks();
        EXPECT_TRUE(IsWindowVisible(dlg.Get()));
        dlg.Type(IDC_LOGIN_EDIT_ACCOUNT, " 旅行者 ");
        dlg.Type(IDC_LOGIN_EDIT_PASSWORD, "\t密码密码 ");
        dlg.Key(IDC_LOGIN_EDIT_ACCOUNT, VK_RETURN);
        bClosed = dlg.WaitClosed();
    });
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(IDCANCEL, nResult);
    std::vector<CReceivedRequest> requests = StandIn::Requests(kLogin);
    ASSERT_EQ(3u, requests.size());
    EXPECT_EQ("pass=secret&user=abc&", requests[0].body);
    EXPECT_EQ("pass=" + kPassword20 + "&user=" + strEmail20 + "&", requests[1].body);
    EXPECT_EQ("pass=" + TwiceUtf8("密码密码") + "&user=" + TwiceUtf8("旅行者") + "&", requests[2].body);
    EXPECT_EQ(Stored(" 旅行者 ", "\t密码密码 "), ConfigBytes());
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(AccountDialogs, RegisterChecksInOrderAndSendsNothingOnFailure)
{
    const std::vector<CInputRow> rows = {
        {{"abcde", "secret1", "secret1", "a@b.cn"}, "账号格式不对！"},
        {{"", "secret1", "secret1", "a@b.cn"}, "账号格式不对！"},
        {{std::string(21, 'a'), "secret1", "secret1", "a@b.cn"}, "账号格式不对！"},
        {{"中文中", kPassword21, kPassword21, "a@b.cn"}, "密码必须是6-20位之间"},
        {{"abcdefghijklmnop", "12345", "12345", "a@b.cn"}, "密码必须是6-20位之间"},
        {{"abcdef", "Secret1", "secret1", "a@b.cn"}, "两次输入密码不一致！"},
        {{"abcdef", "secret1", "secret1", "a@bcn"}, "错误的邮箱格式"},
    };
    CBoxAnswerer answerer;
    DialogClient::Run<CDialogRegister>(IDC_BTN_REGISTER, [&](CDialogDriver& dlg) {
        CheckRows(dlg, answerer,
                  {IDC_REG_EDIT_ACCOUNT, IDC_REG_EDIT_PASSWORD, IDC_REG_EDIT_PASSWORD2, IDC_REG_EDIT_MAIL},
                  IDC_BTN_REGISTER, rows);
    });
    EXPECT_EQ(rows.size(), answerer.Boxes().size());
    EXPECT_TRUE(StandIn::Requests(kRegister).empty());
}

// Values go as typed (not trimmed); the success page lights the second step, says
// where the mail went, and its button leads to the login dialog.
TEST_F(AccountDialogs, RegisterSendsUntrimmedValuesThenShowsTheSuccessPage)
{
    ASSERT_TRUE(StandIn::QueueReply(kRegister, 200, "{\"errorcode\":3,\"error\":\"taken\"}"));
    ASSERT_TRUE(StandIn::QueueReply(kRegister, 200, "{\"errorcode\":0}"));
    CBoxAnswerer answerer;
    bool bLoginOpened = false;
    DialogClient::Run<CDialogRegister>(IDC_BTN_REGISTER, [&](CDialogDriver& dlg) {
        EXPECT_EQ(kSkinFlat_bar_register_light, dlg.PixelWhenPainted(73, 40, kSkinFlat_bar_register_light, true));
        EXPECT_EQ(kSkinFlat_bar_reg_sucess_gray, dlg.PixelWhenPainted(331, 40, kSkinFlat_bar_reg_sucess_gray, true));
        dlg.Type(IDC_REG_EDIT_ACCOUNT, "abcdef");
        dlg.Type(IDC_REG_EDIT_PASSWORD, "secret");
        dlg.Type(IDC_REG_EDIT_PASSWORD2, "secret");
        dlg.Type(IDC_REG_EDIT_MAIL, "a@b.cn");
        dlg.Key(IDC_REG_EDIT_MAIL, VK_RETURN);
        ASSERT_TRUE(answerer.WaitForBoxes(1));
        EXPECT_EQ("Velora|注册失败:taken", answerer.Boxes()[0]);
        EXPECT_TRUE(IsWindowVisible(dlg.Item(IDC_REG_EDIT_ACCOUNT)));

        dlg.Type(IDC_REG_EDIT_ACCOUNT, " 旅行者 ");
        dlg.Type(IDC_REG_EDIT_PASSWORD, kPassword20);
        dlg.Type(IDC_REG_EDIT_PASSWORD2, kPassword20);
        dlg.Type(IDC_REG_EDIT_MAIL, "x_y@mail.cn");
        dlg.Press(IDC_BTN_REGISTER);
        ASSERT_EQ(2u, WaitForRequests(kRegister, 2).size());
        WaitForIdleTasks();
        dlg.Sync();
        Sleep(300);
        for (int nID : {IDC_REG_EDIT_ACCOUNT, IDC_REG_EDIT_PASSWORD, IDC_REG_EDIT_PASSWORD2, IDC_REG_EDIT_MAIL,
                        IDC_REG_STATIC_ACCOUNT, IDC_REG_STATIC_MAIL})
            EXPECT_FALSE(IsWindowVisible(dlg.Item(nID))) << nID;
        auto* pButton = dynamic_cast<CCustomButton*>(CWnd::FromHandlePermanent(dlg.Item(IDC_BTN_REGISTER)));
        ASSERT_NE(nullptr, pButton);
        EXPECT_EQ(CString("开始登录"), pButton->GetText());
        EXPECT_EQ(kSkinFlat_bar_register_gray, dlg.Pixel(71 + 2, 25 + 15, true));
        EXPECT_EQ(kSkinFlat_bar_reg_sucess_light, dlg.Pixel(231 + 100, 25 + 15, true));
        int nGreen = 0, nGrey = 0;
        for (int x = 136; x < 400; ++x) {
            for (int y = 104; y < 122; ++y)
                nGreen += dlg.Pixel(x, y, true) == RGB(27, 143, 44);
            for (int y = 155; y < 168; ++y)
                nGrey += dlg.Pixel(x, y, true) == RGB(89, 89, 89);
        }
        EXPECT_GT(nGreen, 50);
        EXPECT_GT(nGrey, 50);

        dlg.Key(0, VK_RETURN);
        HWND hLogin = CDialogDriver::WaitForDialog(GetCurrentProcessId(), IDC_BTN_LOGIN);
        bLoginOpened = hLogin != NULL;
        EXPECT_FALSE(IsWindowVisible(dlg.Get()));
        if (hLogin)
            CDialogDriver(hLogin).Key(IDC_LOGIN_EDIT_ACCOUNT, VK_ESCAPE);
    });
    EXPECT_TRUE(bLoginOpened);
    std::vector<CReceivedRequest> requests = StandIn::Requests(kRegister);
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("email=a@b.cn&pass=secret&user=abcdef&", requests[0].body);
    EXPECT_EQ("email=x_y@mail.cn&pass=" + kPassword20 + "&user=" + TwiceUtf8(" 旅行者 ") + "&", requests[1].body);
    EXPECT_EQ(1u, answerer.Boxes().size());
    EXPECT_EQ("", ConfigBytes()); // registering stores nothing
}

TEST_F(AccountDialogs, LoginLeadsToRegisterAndEnterInEveryFieldSubmits)
{
    CBoxAnswerer answerer;
    bool bRegisterOpened = false;
    DialogClient::Run<CDialogLogin>(IDC_BTN_LOGIN, [&](CDialogDriver& login) {
        login.Press(IDC_BTN_GO_REGISTER);
        HWND hRegister = CDialogDriver::WaitForDialog(GetCurrentProcessId(), IDC_BTN_REGISTER);
        bRegisterOpened = hRegister != NULL;
        EXPECT_FALSE(IsWindowVisible(login.Get()));
        if (!hRegister)
            return;
        CDialogDriver dlg(hRegister);
        int nFields[] = {IDC_REG_EDIT_ACCOUNT, IDC_REG_EDIT_PASSWORD, IDC_REG_EDIT_PASSWORD2, IDC_REG_EDIT_MAIL};
        for (size_t i = 0; i < 4; ++i) {
            dlg.Key(nFields[i], VK_RETURN);
            ASSERT_TRUE(answerer.WaitForBoxes(i + 1));
        }
        dlg.Key(IDC_REG_EDIT_MAIL, VK_ESCAPE);
        EXPECT_TRUE(dlg.WaitClosed());
    });
    EXPECT_TRUE(bRegisterOpened);
    EXPECT_EQ(std::vector<std::string>(4, "Velora|账号格式不对！"), answerer.Boxes());
}

TEST_F(AccountDialogs, BindChecksInOrderAndSendsNothingOnFailure)
{
    const std::string strEmail30 = "abcdefghijklmnopqrst@example.cn";
    const std::vector<CInputRow> rows = {
        {{"ab", "secret1"}, "错误的邮箱格式"},
        {{"", "secret1"}, "错误的邮箱格式"},
        {{strEmail30, kPassword21}, "密码必须是6-20位之间"},
        {{"abc", "12345"}, "密码必须是6-20位之间"},
        {{"abc", ""}, "密码必须是6-20位之间"},
    };
    CBoxAnswerer answerer;
    DialogClient::Run<CDialogSet>(IDC_BTN_BIND, [&](CDialogDriver& dlg) {
        CheckRows(dlg, answerer, {IDC_REG_EDIT_ACCOUNT, IDC_REG_EDIT_PASSWORD}, IDC_BTN_BIND, rows);
        // A double click is one click and a double-click notification: one attempt.
        dlg.DoubleClick(IDC_BTN_BIND);
        dlg.Sync();
        SendMessageA(dlg.Get(), WM_COMMAND, MAKEWPARAM(IDC_BTN_BIND, BN_DOUBLECLICKED),
                     reinterpret_cast<LPARAM>(dlg.Item(IDC_BTN_BIND)));
        ASSERT_TRUE(answerer.WaitForBoxes(rows.size() + 1));
        Sleep(500);
    });
    EXPECT_EQ(rows.size() + 1, answerer.Boxes().size());
    EXPECT_TRUE(StandIn::Requests(kLogin).empty());
}

// Enter binds or unbinds whatever has the focus, and the dialog stays open; a bind
// stores the pair as typed, an unbind empties it and sends nothing. Both repaint the
// caption.
TEST_F(AccountDialogs, EnterBindsAndUnbindsWithoutClosing)
{
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200, LoginReply(5)));
    ASSERT_TRUE(StandIn::QueueReply(kLogin, 200, LoginReply(0)));
    CBoxAnswerer answerer;
    DialogClient::Run<CDialogSet>(IDC_BTN_BIND, [&](CDialogDriver& dlg) {
        auto* pBind = dynamic_cast<CCustomButton*>(CWnd::FromHandlePermanent(dlg.Item(IDC_BTN_BIND)));
        ASSERT_NE(nullptr, pBind);
        EXPECT_EQ(CString("绑定"), pBind->GetText());
        GUITHREADINFO gui = {};
        gui.cbSize = sizeof(gui);
        GetGUIThreadInfo(GetWindowThreadProcessId(dlg.Get(), NULL), &gui);
        EXPECT_EQ(dlg.Item(IDC_BTN_BIND), gui.hwndFocus);
        dlg.Type(IDC_REG_EDIT_ACCOUNT, " abc ");
        dlg.Type(IDC_REG_EDIT_PASSWORD, "secret");
        dlg.Key(IDC_CHECK_AUTOSTART, VK_RETURN);
        ASSERT_TRUE(answerer.WaitForBoxes(1));
        EXPECT_EQ("Velora|绑定失败！", answerer.Boxes()[0]);
        EXPECT_EQ(BST_UNCHECKED, SendMessageA(dlg.Item(IDC_CHECK_AUTOSTART), BM_GETCHECK, 0, 0));

        dlg.Type(IDC_REG_EDIT_ACCOUNT, "中文");
        dlg.Type(IDC_REG_EDIT_PASSWORD, kPassword20);
        dlg.Key(IDC_BTN_CHECK_UPDATE, VK_RETURN);
        ASSERT_TRUE(answerer.WaitForBoxes(2));
        EXPECT_EQ("Velora|绑定成功！", answerer.Boxes()[1]);
        WaitForIdleTasks();
        dlg.Sync();
        EXPECT_EQ(CString("取消绑定"), pBind->GetText());
        EXPECT_EQ(Stored("中文", kPassword20), ConfigBytes());
        EXPECT_EQ(CString("S1"), DialogClient::App().m_strSessionCode);
        EXPECT_EQ(1, DialogClient::CaptionRepaints());

        dlg.Key(IDC_REG_EDIT_PASSWORD, VK_RETURN);
        dlg.Sync();
        EXPECT_EQ(CString("绑定"), pBind->GetText());
        EXPECT_EQ("", dlg.Text(IDC_REG_EDIT_ACCOUNT));
        EXPECT_EQ("", dlg.Text(IDC_REG_EDIT_PASSWORD));
        EXPECT_EQ(std::string(2, '\0'), ConfigBytes());
        EXPECT_TRUE(DialogClient::App().m_strSessionCode.IsEmpty());
        EXPECT_TRUE(DialogClient::Frame()->m_strNickname.IsEmpty());
        EXPECT_EQ(2, DialogClient::CaptionRepaints());
        EXPECT_TRUE(IsWindowVisible(dlg.Get()));
        dlg.Key(IDC_REG_EDIT_PASSWORD, VK_ESCAPE);
        EXPECT_TRUE(dlg.WaitClosed());
    });
    std::vector<CReceivedRequest> requests = StandIn::Requests(kLogin);
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("pass=secret&user=abc&", requests[0].body);
    EXPECT_EQ("pass=" + kPassword20 + "&user=" + TwiceUtf8("中文") + "&", requests[1].body);
    EXPECT_EQ(2u, answerer.Boxes().size());
}

TEST_F(AccountDialogs, StoredAccountOpensBound)
{
    StoreAccount("abc", "secret1");
    DialogClient::Run<CDialogSet>(IDC_BTN_BIND, [&](CDialogDriver& dlg) {
        auto* pBind = dynamic_cast<CCustomButton*>(CWnd::FromHandlePermanent(dlg.Item(IDC_BTN_BIND)));
        ASSERT_NE(nullptr, pBind);
        EXPECT_EQ(CString("取消绑定"), pBind->GetText());
        EXPECT_EQ("abc", dlg.Text(IDC_REG_EDIT_ACCOUNT));
        EXPECT_EQ("secret1", dlg.Text(IDC_REG_EDIT_PASSWORD));
        EXPECT_TRUE(GetWindowLongA(dlg.Item(IDC_REG_EDIT_PASSWORD), GWL_STYLE) & ES_PASSWORD);
    });
}

// Each row: the registry before, the box's state before the click, whether the Run key
// refuses changes; then the box's state and the message after the click.
TEST_F(AccountDialogs, AutoStartFollowsTheRegistry)
{
    const struct {
        bool bPresent, bChecked, bLocked;
        bool bCheckedAfter;
        const char* pszMessage;
    } rows[] = {
        {false, false, false, true, "设置开机启动成功！"},      {true, true, false, false, "取消开机启动成功！"},
        {true, false, false, true, "您已经设置了开机启动项！"}, {false, true, false, false, "您尚未设置开机启动项！"},
        {false, false, true, false, "设置开机启动失败！"},      {true, true, true, true, "取消开机启动失败！"},
    };
    CBoxAnswerer answerer;
    DialogClient::Run<CDialogSet>(IDC_CHECK_AUTOSTART, [&](CDialogDriver& dlg) {
        for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i) {
            const auto& row = rows[i];
            if (row.bPresent)
                SetAutoStart();
            else
                RemoveAutoStart();
            SendMessageA(dlg.Item(IDC_CHECK_AUTOSTART), BM_SETCHECK, row.bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
            {
                std::unique_ptr<CRunKeyLock> pLock(row.bLocked ? new CRunKeyLock : nullptr);
                if (pLock) {
                    ASSERT_TRUE(pLock->Locked()) << "the Run key could not be made read-only";
                }
                dlg.Press(IDC_CHECK_AUTOSTART);
                ASSERT_TRUE(answerer.WaitForBoxes(i + 1)) << "row " << i;
            }
            EXPECT_EQ("Velora|" + std::string(row.pszMessage), answerer.Boxes()[i]) << "row " << i;
            EXPECT_EQ(row.bCheckedAfter ? BST_CHECKED : BST_UNCHECKED,
                      SendMessageA(dlg.Item(IDC_CHECK_AUTOSTART), BM_GETCHECK, 0, 0))
                << "row " << i;
            EXPECT_EQ(row.bCheckedAfter, IsAutoStart() != FALSE) << "row " << i;
        }
    });
}

TEST_F(AccountDialogs, UpdateButtonTellsEachOutcome)
{
    CUpdaterStub updater;
    ASSERT_TRUE(updater.Installed());
    ASSERT_TRUE(StandIn::QueueReply(kVersion, 200, "{\"errorcode\":1}"));
    ASSERT_TRUE(StandIn::QueueReply(kVersion, 200, "{\"errorcode\":0,\"data\":{\"updatetype\":\"0\"}}"));
    ASSERT_TRUE(StandIn::QueueReply(kVersion, 200, "{\"errorcode\":0,\"data\":{\"updatetype\":\"1\"}}"));
    CBoxAnswerer answerer;
    HWND hSettings = NULL;
    DialogClient::Run<CDialogSet>(IDC_BTN_CHECK_UPDATE, [&](CDialogDriver& dlg) {
        hSettings = dlg.Get();
        for (size_t i = 0; i < 3; ++i) {
            dlg.Press(IDC_BTN_CHECK_UPDATE);
            ASSERT_TRUE(answerer.WaitForBoxes(i + 1)) << i;
            WaitForIdleTasks();
        }
        EXPECT_TRUE(updater.WaitLaunched()) << "the updater was not started";
        EXPECT_TRUE(IsWindowVisible(dlg.Get()));
    });
    std::vector<std::string> boxes = answerer.Boxes();
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ("Velora|版本检测失败，请重试！", boxes[0]);
    EXPECT_EQ("Velora|客户端当前版本已经是最新的！", boxes[1]);
    EXPECT_EQ("维罗路书|检测到新的更新版本，现在需要更新吗？", boxes[2]);
    EXPECT_EQ(hSettings, answerer.Owners()[2]);
    std::vector<CReceivedRequest> requests = StandIn::Requests(kVersion);
    ASSERT_EQ(3u, requests.size());
    EXPECT_EQ("clienttype=5&clientverno=1.0.0.1&info=pc&mobmodel=pc&mobverno=pc&", requests[0].body);
}

// Page script's ExecuteLogin runs the login dialog and returns to the page when it closes.
TEST_F(AccountDialogs, PageScriptOpensTheLoginDialog)
{
    auto* pBrowser = dynamic_cast<CVeloraBrowser*>(DialogClient::Frame()->m_wndSplitter.GetPane(0, 1));
    ASSERT_NE(nullptr, pBrowser);
    bool bOpened = false;
    std::thread driver([&] {
        HWND hLogin = CDialogDriver::WaitForDialog(GetCurrentProcessId(), IDC_BTN_LOGIN);
        bOpened = hLogin != NULL;
        if (hLogin)
            CDialogDriver(hLogin).Key(IDC_LOGIN_EDIT_ACCOUNT, VK_ESCAPE);
        DialogClient::CloseEveryDialog();
    });
    pBrowser->ExecuteLogin();
    driver.join();
    EXPECT_TRUE(bOpened);
}

// The frame answers a newer version found at start with the same question, in its own box.
TEST_F(AccountDialogs, FrameAsksTheSameQuestion)
{
    CUpdaterStub updater;
    ASSERT_TRUE(updater.Installed());
    CBoxAnswerer answerer;
    EXPECT_EQ(0, DialogClient::Frame()->SendMessage(WM_NEW_VERSION));
    ASSERT_TRUE(answerer.WaitForBoxes(1));
    EXPECT_EQ("维罗路书|检测到新的更新版本，现在需要更新吗？", answerer.Boxes()[0]);
    EXPECT_EQ(DialogClient::Frame()->m_hWnd, answerer.Owners()[0]);
    EXPECT_TRUE(updater.WaitLaunched()) << "the updater was not started";
}

// Update type 2 ends the client at once, so the dialog runs in a child copy of this
// program, whose box is answered from here.
TEST_F(AccountDialogs, TooOldClientStartsTheUpdaterAndEnds)
{
    const char kChildVariable[] = "VELORA_DIALOGS_CHILD";
    if (GetEnvironmentVariableA(kChildVariable, NULL, 0)) {
        ASSERT_TRUE(StandIn::QueueReply(kVersion, 200, "{\"errorcode\":0,\"data\":{\"updatetype\":\"2\"}}"));
        DialogClient::Run<CDialogSet>(IDC_BTN_CHECK_UPDATE, [](CDialogDriver& dlg) {
            dlg.Press(IDC_BTN_CHECK_UPDATE);
            Sleep(20000);
        });
        ADD_FAILURE() << "the client did not end";
        return;
    }
    CUpdaterStub updater;
    ASSERT_TRUE(updater.Installed());
    std::string strCommand = "\"" + std::string(GetModulePath()) + "\" --gtest_filter=" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "." +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    SetEnvironmentVariableA(kChildVariable, "1");
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    BOOL bStarted = CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi);
    SetEnvironmentVariableA(kChildVariable, NULL);
    ASSERT_TRUE(bStarted);
    DWORD dwExitCode = 99;
    {
        CBoxAnswerer answerer(pi.dwProcessId);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 60000));
        GetExitCodeProcess(pi.hProcess, &dwExitCode);
        EXPECT_EQ(std::vector<std::string>{"Velora|囧...您的客户端太老，必须升级后才能使用"}, answerer.Boxes());
    }
    if (dwExitCode == STILL_ACTIVE)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_TRUE(updater.WaitLaunched()) << "the updater was not started";
}

TEST(AccountDialogClasses, RegisterAndSettingsCarryTheirRunTimeClassNames)
{
    CDialogRegister dlgRegister;
    CDialogSet dlgSet;
    struct {
        const CObject* pDialog;
        const char* pszName;
    } const cases[] = {{&dlgRegister, "CDialogRegister"}, {&dlgSet, "CDialogSet"}};
    for (const auto& c : cases) {
        const CRuntimeClass* pClass = c.pDialog->GetRuntimeClass();
        EXPECT_STREQ(c.pszName, pClass->m_lpszClassName);
        EXPECT_TRUE(c.pDialog->IsKindOf(RUNTIME_CLASS(CDialog))) << c.pszName;
        EXPECT_EQ(nullptr, pClass->CreateObject()) << c.pszName; // not dynamically creatable
    }
}
