// What reaches Velora through the framework rather than its own windows: the framework's
// commands on the main window, the shell's print verb for a ".vr" file and files dropped
// on the main window. No printer is installed here: the print dialogs give way to the
// platform's own "no printer" box.

#include "framework/afxres.h"
#include "tests/support/appdriver.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogs.h"
#include "tests/support/dialogdriver.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "velora/resource.h"

#include <gtest/gtest.h>
#include <functional>
#include <string.h>

namespace {

const char kRecentFiles[] = "Software\\应用程序向导生成的本地应用程序\\Velora\\Recent File List";

std::string RecentFile(const char* pszName)
{
    char szValue[MAX_PATH] = "";
    DWORD cbValue = sizeof(szValue);
    if (RegGetValueA(HKEY_CURRENT_USER, kRecentFiles, pszName, RRF_RT_REG_SZ, NULL, szValue, &cbValue) != ERROR_SUCCESS)
        return "<missing>";
    return szValue;
}

struct CDialogSearch {
    DWORD dwProcessId;
    bool bVisibleOnly;
    HWND hDialog;
};

BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CDialogSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    char szClass[16] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (dwProcessId != pSearch->dwProcessId || strcmp(szClass, "#32770") != 0 ||
        (pSearch->bVisibleOnly && !IsWindowVisible(hWnd)))
        return TRUE;
    pSearch->hDialog = hWnd;
    return FALSE;
}

// The caption of the next dialog or box the process shows, which is then cancelled;
// "" when none comes. It returns once no dialog of the process is left, shown or not:
// without a printer, print set-up's own dialog outlives the box it gave way to and even
// shows for a moment, and a later command's dialog must not be mistaken for it.
std::string CancelNextDialog(DWORD dwProcessId)
{
    CDialogSearch search = {dwProcessId, true, NULL};
    for (DWORD dwStart = GetTickCount(); !search.hDialog && GetTickCount() - dwStart < 20000; Sleep(50))
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.hDialog)
        return "";
    std::string strCaption = CAppDriver::WindowText(search.hDialog);
    PostMessage(search.hDialog, WM_COMMAND, IDCANCEL, 0);
    CDialogSearch left = {dwProcessId, false, search.hDialog};
    for (DWORD dwStart = GetTickCount(); left.hDialog && GetTickCount() - dwStart < 10000; Sleep(10)) {
        left.hDialog = NULL;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&left));
    }
    return strCaption;
}

// Drops files on a window of another process the way the desktop does: the HDROP is
// built in that process (a message hook there), since a handle of this one means
// nothing to it.
class CDropper {
public:
    explicit CDropper(HWND hWnd) : m_hWnd(hWnd), m_hLibrary(LoadLibraryA(WinePath(VELORA_DROP_HOOK).c_str()))
    {
        auto pfnHook = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(m_hLibrary ? GetProcAddress(m_hLibrary, "DropHookProc") : NULL));
        if (pfnHook)
            m_hHook = SetWindowsHookExA(WH_GETMESSAGE, pfnHook, m_hLibrary, GetWindowThreadProcessId(hWnd, NULL));
    }
    ~CDropper()
    {
        if (m_hHook)
            UnhookWindowsHookEx(m_hHook);
        if (m_hLibrary)
            FreeLibrary(m_hLibrary);
    }
    CDropper(const CDropper&) = delete;
    CDropper& operator=(const CDropper&) = delete;

    bool Drop(const std::string& strPath)
    {
        ATOM atom = GlobalAddAtomA(strPath.c_str());
        return m_hHook && atom && PostMessageA(m_hWnd, RegisterWindowMessageA("VeloraTestDrop"), atom, 0);
    }

private:
    HWND m_hWnd;
    HMODULE m_hLibrary;
    HHOOK m_hHook = NULL;
};

// The stored account as the settings dialog shows it: "name|password".
std::string AccountInTheSettings(HWND hFrame, DWORD dwProcessId)
{
    RECT rc;
    GetWindowRect(hFrame, &rc);
    PostMessage(hFrame, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(rc.left + 415, rc.top + 45));
    HWND hSettings = CDialogDriver::WaitForDialog(dwProcessId, IDC_BTN_BIND);
    if (!hSettings)
        return "<no settings dialog>";
    CDialogDriver settings(hSettings);
    std::string strAccount = settings.Text(IDC_REG_EDIT_ACCOUNT) + "|" + settings.Text(IDC_REG_EDIT_PASSWORD);
    settings.Key(IDC_REG_EDIT_ACCOUNT, VK_ESCAPE);
    settings.WaitClosed();
    return strAccount;
}

// The keyboard focus of the thread that owns hWnd, as the system keeps it.
HWND ThreadFocus(HWND hWnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(hWnd, NULL), &info) ? info.hwndFocus : NULL;
}

// The focus is inside the browser control of the browser pane (the splitter's row 0,
// column 1), where keys reach the page; the pane's own window does nothing with them.
bool FocusInTheBrowser(HWND hFrame)
{
    HWND hPane = GetDlgItem(GetDlgItem(hFrame, AFX_IDW_PANE_FIRST), AFX_IDW_PANE_FIRST + 1);
    HWND hFocus = ThreadFocus(hFrame);
    return hPane && hFocus && IsChild(hPane, hFocus);
}

} // namespace

TEST(VeloraShell, FrameworkCommandsReachTheirDialogs)
{
    ASSERT_TRUE(StandIn::Reset());
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForFrame("Velora", 30000);
    ASSERT_NE(nullptr, hFrame);
    struct {
        UINT nID;
        const char* pszCaption;
        bool bFileDialog;
    } const cases[] = {{57601, "打开", true}, {57606, "打印", false}, {57664, "关于 Velora", false}};
    for (const auto& c : cases) {
        PostMessage(hFrame, WM_COMMAND, c.nID, 0);
        if (c.bFileDialog) {
            EXPECT_NE(nullptr, WaitForFileDialog(app.ProcessId())) << c.nID;
        }
        EXPECT_EQ(c.pszCaption, CancelNextDialog(app.ProcessId())) << c.nID;
    }
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
}

// The document is opened in a frame that is never shown, so the start-up sequence of the
// first caption paint never runs: no configuration file, no request.
TEST(VeloraShell, PrintVerbOpensTheDocumentUnseenAndEnds)
{
    ASSERT_TRUE(StandIn::Reset());
    RegDeleteKeyA(HKEY_CURRENT_USER, kRecentFiles);
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("road.vr", std::string("\x09traveller\x07secret1")));
    ASSERT_TRUE(app.Start("/p \"" + app.Folder() + "road.vr\""));
    CBoxAnswerer answerer(app.ProcessId());
    DWORD dwExitCode = 99;
    ASSERT_TRUE(app.WaitForExit(30000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_TRUE(answerer.Boxes().empty());
    EXPECT_EQ(app.Folder() + "road.vr", RecentFile("File1"));
    EXPECT_FALSE(app.Exists("data\\config.vr"));
    EXPECT_TRUE(StandIn::Requests("/client/update/").empty());
}

// A dropped file opens as the document, as the open command opens it: its account is
// the document's and it heads the recent-file list. A file that cannot be read shows the
// framework's box and changes nothing.
TEST(VeloraShell, DroppedFileOpensAsTheDocument)
{
    ASSERT_TRUE(StandIn::Reset());
    RegDeleteKeyA(HKEY_CURRENT_USER, kRecentFiles);
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("road.vr", std::string("\x09traveller\x07secret1")));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForFrame("Velora", 30000);
    ASSERT_NE(nullptr, hFrame);
    ASSERT_TRUE(WaitUntil([&] { return app.Exists("data\\config.vr"); }, 10000, 100));
    CDropper dropper(hFrame);
    CBoxAnswerer answerer(app.ProcessId());
    struct {
        const char* pszName;
        bool bReadable;
    } const cases[] = {{"road.vr", true}, {"gone.vr", false}};
    size_t nBoxes = 0;
    for (const auto& c : cases) {
        std::string strPath = app.Folder() + c.pszName;
        ASSERT_TRUE(dropper.Drop(strPath)) << c.pszName;
        if (!c.bReadable) {
            ASSERT_TRUE(answerer.WaitForBoxes(++nBoxes)) << c.pszName;
            EXPECT_EQ("Velora|无法打开文件 " + strPath + "。", answerer.Boxes().back());
        }
        EXPECT_EQ("traveller|secret1", AccountInTheSettings(hFrame, app.ProcessId())) << c.pszName;
    }
    EXPECT_EQ(nBoxes, answerer.Boxes().size());
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
    EXPECT_EQ(app.Folder() + "road.vr", RecentFile("File1"));
    EXPECT_EQ(app.Folder() + "data\\config.vr", RecentFile("File2"));
    EXPECT_EQ("<missing>", RecentFile("File3"));
}

// Keys typed into Velora are for the page: the browser holds the keyboard focus at start,
// and gets it back whenever the frame is active again: after a dialog over it and after
// another program's window.
TEST(VeloraShell, KeyboardFocusGoesBackToThePage)
{
    ASSERT_TRUE(StandIn::Reset());
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForFrame("Velora", 30000);
    ASSERT_NE(nullptr, hFrame);
    EXPECT_TRUE(WaitUntil([&] { return FocusInTheBrowser(hFrame); }, 10000, 50)) << "at start";

    HWND hOther =
        CreateWindowExA(0, "STATIC", "other program", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hOther);
    const struct {
        const char* pszCase;
        std::function<void()> away;
        std::function<void()> back;
    } cases[] = {
        {"about dialog", [&] { PostMessage(hFrame, WM_COMMAND, ID_APP_ABOUT, 0); },
         [&] { EXPECT_EQ("关于 Velora", CancelNextDialog(app.ProcessId())); }},
        {"login dialog from the tray", [&] { PostMessage(hFrame, WM_COMMAND, ID_TRAY_LOGIN, 0); },
         [&] { EXPECT_NE("", CancelNextDialog(app.ProcessId())); }},
        {"the system's box of print set-up", [&] { PostMessage(hFrame, WM_COMMAND, ID_FILE_PRINT_SETUP, 0); },
         [&] { EXPECT_EQ("打印", CancelNextDialog(app.ProcessId())); }},
        {"another program's window", [&] { SetForegroundWindow(hOther); }, [&] { SetForegroundWindow(hFrame); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        c.away();
        EXPECT_TRUE(WaitUntil([&] { return !FocusInTheBrowser(hFrame); }, 10000, 50)) << "the focus never left";
        c.back();
        EXPECT_TRUE(WaitUntil([&] { return FocusInTheBrowser(hFrame); }, 10000, 50)) << "the focus did not come back";
    }
    DestroyWindow(hOther);
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
}

// The session's end as the system sends it to the main window: the question is answered
// yes; the end closes Velora as its own close does (tray icon removed, exit code 0),
// with the recent-file list written before the message returns, since the system may end
// the process any moment after. An installer closing the running programs does the same;
// with a dialog open, the list is written at once and the close waits for the dialog.
TEST(VeloraShell, SessionEndClosesTheClientAndWritesTheRecentList)
{
    const struct {
        const char* pszCase;
        LPARAM lParam;
        bool bDialog;
    } cases[] = {{"shut-down", 0, false},
                 {"log-off", static_cast<LPARAM>(ENDSESSION_LOGOFF), false},
                 {"installer", ENDSESSION_CLOSEAPP, false},
                 {"installer over the about dialog", ENDSESSION_CLOSEAPP, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        RegDeleteKeyA(HKEY_CURRENT_USER, kRecentFiles);
        int nIcons = CountTrayIcons();
        CAppDriver app(WinePath(VELORA_EXE));
        ASSERT_TRUE(app.Start());
        HWND hFrame = app.WaitForFrame("Velora", 30000);
        ASSERT_NE(nullptr, hFrame);
        // The first start makes the configuration file and opens it: the list's one entry.
        ASSERT_TRUE(WaitUntil([&] { return app.Exists("data\\config.vr"); }, 10000, 50));
        EXPECT_TRUE(WaitUntil([&] { return CountTrayIcons() == nIcons + 1; }, 10000, 100));
        if (c.bDialog) {
            PostMessage(hFrame, WM_COMMAND, ID_APP_ABOUT, 0);
            ASSERT_NE(nullptr, app.WaitForWindow("关于 Velora", "#32770", 10000));
        }

        DWORD_PTR nAnswer = 0;
        ASSERT_TRUE(SendMessageTimeoutA(hFrame, WM_QUERYENDSESSION, 0, c.lParam, SMTO_NORMAL, 10000, &nAnswer));
        EXPECT_EQ(static_cast<DWORD_PTR>(TRUE), nAnswer);
        ASSERT_TRUE(SendMessageTimeoutA(hFrame, WM_ENDSESSION, TRUE, c.lParam, SMTO_NORMAL, 10000, &nAnswer));
        EXPECT_EQ(app.Folder() + "data\\config.vr", RecentFile("File1"));
        DWORD dwExitCode = 99;
        if (c.bDialog) {
            EXPECT_FALSE(app.WaitForExit(500, dwExitCode)) << "ended under the dialog";
            EXPECT_EQ("关于 Velora", CancelNextDialog(app.ProcessId()));
        }
        EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
        EXPECT_EQ(0u, dwExitCode);
        EXPECT_TRUE(WaitUntil([&] { return CountTrayIcons() == nIcons; }, 10000, 100));
    }
}
