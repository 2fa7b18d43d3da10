// The status bar as the client's download front end: page script asks for a download,
// the test answers the save dialog, the worker fetches the file from the stand-in's
// port 80 and the bar paints its progress and announces a complete file.

#include "tests/support/clientframe.h"
#include "tests/support/screenarea.h"
#include "tests/support/standin.h"
#include "tests/support/windowfinder.h"
#include "tests/support/xdisplay.h"
#include "util/paths.h"
#include "util/windowmessages.h"
#include "velora/customstatusbar.h"
#include "velora/resource.h"
#include "velora/velorabrowser.h"

#include <gtest/gtest.h>
#include <skin_colours.h>
#include <atomic>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// The save dialog's file-name field: the combo box of the newer style, or the edit.
const int kFileNameCombo = 0x47C, kFileNameEdit = 0x480;
// The flat test set's download.png.
const COLORREF kImageColour = kSkinFlat_download;
const COLORREF kBarColour = RGB(47, 140, 194);
const int kImageWidth = kSkinWidth_download, kImageHeight = kSkinHeight_download;

// Answers this process's dialogs from its own thread: a save dialog is first shown to
// onSave, then, while it stays open, gets strSavePath typed into its file-name field
// and is confirmed (cancelled when the path is empty); a message box is read, shown to
// onBox, then closed with OK.
class CDialogAnswerer {
public:
    CDialogAnswerer(const std::string& strSavePath, std::function<void(const std::string&)> onBox = nullptr,
                    std::function<void(HWND)> onSave = nullptr)
        : m_strSavePath(strSavePath), m_onBox(std::move(onBox)), m_onSave(std::move(onSave)),
          m_thread([this] { Run(); })
    {
    }
    ~CDialogAnswerer()
    {
        m_bStop = true;
        m_thread.join();
    }
    std::vector<std::string> Boxes()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_boxes;
    }
    std::vector<std::string> OfferedNames()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_offeredNames;
    }

private:
    void Answer(HWND hDialog)
    {
        HWND hName = GetDlgItem(hDialog, kFileNameCombo);
        if (!hName)
            hName = GetDlgItem(hDialog, kFileNameEdit);
        char szText[512] = "";
        if (hName) {
            if (m_onSave)
                m_onSave(hDialog);
            if (!IsWindow(hDialog))
                return;
            GetWindowTextA(hName, szText, sizeof(szText));
            {
                std::lock_guard<std::mutex> lock(m_lock);
                m_offeredNames.push_back(szText);
            }
            SetWindowTextA(hName, m_strSavePath.c_str());
            PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(m_strSavePath.empty() ? IDCANCEL : IDOK, BN_CLICKED), 0);
            return;
        }
        GetDlgItemTextA(hDialog, 0xFFFF, szText, sizeof(szText));
        if (m_onBox)
            m_onBox(szText);
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_boxes.push_back(szText);
        }
        PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    void Run()
    {
        while (!m_bStop) {
            for (HWND hDialog : FindTopWindows(CWindowQuery(GetCurrentProcessId(), "#32770", nullptr, true))) {
                Sleep(100); // let the dialog finish its set-up
                Answer(hDialog);
                WaitUntil([hDialog] { return !IsWindow(hDialog) || !IsWindowVisible(hDialog); }, 3000);
            }
            Sleep(20);
        }
    }

    std::string m_strSavePath;
    std::function<void(const std::string&)> m_onBox;
    std::function<void(HWND)> m_onSave;
    std::atomic<bool> m_bStop{false};
    std::mutex m_lock;
    std::vector<std::string> m_boxes;
    std::vector<std::string> m_offeredNames;
    std::thread m_thread;
};

// Counts the download-done messages a window has finished handling.
class CDoneCounter {
public:
    explicit CDoneCounter(HWND hWnd) : m_hWnd(hWnd)
    {
        s_pThis = this;
        m_pfnOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~CDoneCounter()
    {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOld));
        s_pThis = nullptr;
    }
    int Count() const { return m_nDone; }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        LRESULT lResult = CallWindowProcA(s_pThis->m_pfnOld, hWnd, message, wParam, lParam);
        if (message == WM_DOWNLOAD_DONE)
            ++s_pThis->m_nDone;
        return lResult;
    }
    static CDoneCounter* s_pThis;
    HWND m_hWnd;
    WNDPROC m_pfnOld;
    int m_nDone = 0;
};
CDoneCounter* CDoneCounter::s_pThis = nullptr;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()) : "<missing>";
}

std::string Pattern(size_t n)
{
    std::string text(n, '\0');
    for (size_t i = 0; i < n; ++i)
        text[i] = static_cast<char>(i * 13 % 251);
    return text;
}

// Colours within a small distance count as the same (text edges are smoothed).
bool Near(COLORREF a, COLORREF b, int nTolerance = 8)
{
    return abs(GetRValue(a) - GetRValue(b)) <= nTolerance && abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

class StatusBar : public ::testing::Test {
protected:
    // The bar loads Skins/download.png from beside the running program.
    static void SetUpTestSuite()
    {
        CString strSkins = GetExeDirectory() + "Skins";
        CreateDirectoryA(strSkins, NULL);
        CopyFileA((std::string("Z:") + kSkinFlatDir + "/download.png").c_str(), strSkins + "\\download.png", FALSE);
    }
    void SetUp() override
    {
        ASSERT_NE(nullptr, ClientFrame());
        ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
        char szTemp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, szTemp);
        m_strDir = std::string(szTemp) + "velora-save-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_strDir.c_str(), NULL);
    }
    static CCustomStatusBar& Bar() { return ClientFrame()->m_wndStatusBar; }
    static CComPtr<IDispatch> External()
    {
        return ExternalOf(dynamic_cast<CHtmlView*>(ClientFrame()->m_wndSplitter.GetPane(0, 1)));
    }
    static std::string FileUrl(const std::string& name)
    {
        return "http://" + StandIn::DownloadHost() + "/files/" + name;
    }
    // The progress box's top-left corner on the screen.
    static POINT BoxOrigin()
    {
        RECT rc;
        GetClientRect(Bar().m_hWnd, &rc);
        POINT pt = {rc.right - 70, 1};
        ClientToScreen(Bar().m_hWnd, &pt);
        return pt;
    }
    static COLORREF ScreenPixel(POINT pt, int dx, int dy) { return ::ScreenPixel(pt.x + dx, pt.y + dy); }

    std::string m_strDir;
};

} // namespace

TEST_F(StatusBar, SaveDialogOffersTheAddressesLastPart)
{
    const struct {
        const char* pszUrl;
        const char* pszName;
    } cases[] = {
        {"http://h/files/app.apk", "app.apk"},
        {"http://h/files/a.apk?x=1", "a.apk_x=1"},
        {"http://h/..\\..\\x.apk", "x.apk"}, // the other separators: the SaveName table
        {"http://h/files/", ""},
        {"http://h/files/nul.apk", "velora"},
        {"/app.apk", "velora"},
        {"app.apk", "velora"},
        {"", "velora"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszName), CCustomStatusBar::DefaultFileName(c.pszUrl)) << c.pszUrl;
}

TEST_F(StatusBar, ScriptDownloadIsSavedWithProgressAndAnnouncedWhenComplete)
{
    const std::string body = Pattern(100 * 1024);
    ASSERT_TRUE(StandIn::QueueReply("/files/app.apk", 200, body));
    const std::string path = m_strDir + "\\app.apk";
    POINT box = BoxOrigin();
    std::vector<COLORREF> boxPixels;
    bool bTextSeen = false;
    CDialogAnswerer answerer(path, [&](const std::string& text) {
        if (text != "下载完成！")
            return;
        // The last progress box is still on the screen while the completion box shows.
        boxPixels = {ScreenPixel(box, 2, 2), ScreenPixel(box, kImageWidth - 1, kImageHeight - 1),
                     ScreenPixel(box, kImageWidth + 49, kImageHeight - 1)};
        for (int x = kImageWidth; x < kImageWidth + 40 && !bTextSeen; ++x)
            for (int y = 3; y < kImageHeight && !bTextSeen; ++y)
                bTextSeen = Near(ScreenPixel(box, x, y), RGB(255, 255, 255), 60);
    });

    CComPtr<IDispatch> pExternal = External();
    ASSERT_NE(nullptr, pExternal.Get());
    ASSERT_EQ(S_OK, CallByName(pExternal, L"Download", {FileUrl("app.apk")}));
    ASSERT_TRUE(PumpUntil([&] { return !answerer.Boxes().empty(); }, 30000));
    PumpFor(500);

    EXPECT_EQ(std::vector<std::string>{"app.apk"}, answerer.OfferedNames());
    EXPECT_EQ(std::vector<std::string>{"下载完成！"}, answerer.Boxes());
    EXPECT_STREQ(FileUrl("app.apk").c_str(), Bar().GetDownloadUrl());
    EXPECT_EQ(CString(path.c_str()), Bar().GetDownloadPath());
    EXPECT_TRUE(ReadFile(path) == body);
    std::vector<CReceivedRequest> requests = StandIn::Requests("/files/app.apk");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("GET", requests[0].method);

    ASSERT_EQ(3u, boxPixels.size());
    EXPECT_EQ(kImageColour, boxPixels[0]);
    EXPECT_EQ(kImageColour, boxPixels[1]);
    EXPECT_EQ(kBarColour, boxPixels[2]);
    EXPECT_TRUE(bTextSeen) << "no text beside the image";
    // The bar's next paint takes the box away.
    PumpFor(300);
    EXPECT_EQ(kBarColour, ScreenPixel(box, 2, 2));
    DeleteFileA(path.c_str());
}

TEST_F(StatusBar, CutTransferShowsOnlyTheWorkersBox)
{
    CScriptedReply reply;
    reply.body = Pattern(20000);
    reply.truncate = 5000;
    ASSERT_TRUE(StandIn::QueueReply("/files/cut.apk", reply));
    const std::string path = m_strDir + "\\cut.apk";
    CDialogAnswerer answerer(path);
    CDoneCounter done(Bar().m_hWnd);
    ASSERT_EQ(S_OK, CallByName(External(), L"Download", {FileUrl("cut.apk")}));
    ASSERT_TRUE(PumpUntil([&] { return done.Count() == 1; }, 30000));
    EXPECT_EQ(std::vector<std::string>{"服务器已经关闭连接."}, answerer.Boxes());
    EXPECT_EQ("<missing>", ReadFile(path));
    DeleteFileA(path.c_str());
}

TEST_F(StatusBar, EmptyAddressStillAsksUnderTheDefaultName)
{
    CDialogAnswerer answerer(""); // cancels
    ASSERT_EQ(S_OK, CallByName(External(), L"Download", {""}));
    PumpFor(500);
    EXPECT_EQ(std::vector<std::string>{"velora"}, answerer.OfferedNames());
    ASSERT_NE(nullptr, Bar().GetDownloadUrl());
    EXPECT_STREQ("", Bar().GetDownloadUrl());
    EXPECT_TRUE(answerer.Boxes().empty());
}

// The caption's close button while the save dialog is open: the frame, here one of its
// own that ends the application as the client's does, owns the dialog and is disabled
// under it. A person's click on the button does nothing; a close that a program asks for
// meanwhile (a posted click) follows once the dialog has ended.
TEST_F(StatusBar, CloseWhileTheSaveDialogIsOpenWaitsForTheDialog)
{
    for (bool bPersonsClick : {true, false}) {
        const char* pszHow = bPersonsClick ? "a person's click" : "a posted click";
        auto* pFrame = new CMainFrame;
        pFrame->m_bStarted = TRUE;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL));
        HWND hFrame = pFrame->m_hWnd;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        PumpFor(300);
        RECT rcFrame;
        GetWindowRect(hFrame, &rcFrame);
        const RECT& rcClose = pFrame->GetCaption().PartRect(partClose);
        POINT ptClose = {rcFrame.left + (rcClose.left + rcClose.right) / 2,
                         rcFrame.top + (rcClose.top + rcClose.bottom) / 2};
        CWnd* pClientFrame = ClientApp().m_pMainWnd;
        ClientApp().m_pMainWnd = pFrame;
        bool bDisabled = false, bFrameUnderDialog = false;
        CDialogAnswerer answerer("", nullptr, [&](HWND hDialog) {
            bDisabled = !IsWindowEnabled(hFrame) && GetWindow(hDialog, GW_OWNER) == hFrame;
            if (bPersonsClick)
                EXPECT_TRUE(XClick(ptClose));
            else
                PostMessageA(hFrame, WM_NCLBUTTONDOWN, HTCLOSE, 0);
            Sleep(500);
            bFrameUnderDialog = IsWindow(hFrame) != FALSE;
        });
        EXPECT_EQ(S_OK, CallByName(External(), L"Download", {FileUrl("late.apk")}));
        EXPECT_TRUE(bDisabled) << pszHow;
        EXPECT_TRUE(bFrameUnderDialog) << pszHow;
        if (bPersonsClick) {
            PumpFor(500);
            EXPECT_TRUE(IsWindow(hFrame) && IsWindowEnabled(hFrame)) << "the click closed the frame after all";
            PostMessageA(hFrame, WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hFrame); }, 5000)) << pszHow;
        ClientApp().m_pMainWnd = pClientFrame;
        EXPECT_EQ(std::vector<std::string>{"late.apk"}, answerer.OfferedNames()) << pszHow;
    }
}

// A save dialog that ends because the application is quitting was answered by no one.
TEST_F(StatusBar, SaveDialogEndedByQuittingStartsNothing)
{
    const CString strPathBefore = Bar().GetDownloadPath();
    const DWORD dwUiThread = GetCurrentThreadId();
    CDialogAnswerer answerer(m_strDir + "\\quit.apk", nullptr, [&](HWND hDialog) {
        PostThreadMessageA(dwUiThread, WM_QUIT, 0, 0);
        WaitUntil([hDialog] { return !IsWindow(hDialog); }, 3000);
    });
    EXPECT_EQ(S_OK, CallByName(External(), L"Download", {FileUrl("quit.apk")}));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "left for the application's loop";
    PumpFor(1000);
    EXPECT_EQ(strPathBefore, Bar().GetDownloadPath());
    EXPECT_TRUE(StandIn::Requests("/files/quit.apk").empty());
}

TEST_F(StatusBar, DownloadFromAForeignPageDoesNothing)
{
    const std::string held = Bar().GetDownloadUrl() ? Bar().GetDownloadUrl() : "";
    CDialogAnswerer answerer(""); // would cancel
    EXPECT_EQ(S_OK, CallByName(External(), L"Download", {FileUrl("foreign.apk")}, "http://ads.example.com/a.html"));
    PumpFor(500);
    EXPECT_TRUE(answerer.OfferedNames().empty());
    EXPECT_EQ(held, Bar().GetDownloadUrl() ? Bar().GetDownloadUrl() : "");
}
