#include "framework/afxres.h"
#include "framework/archive.h"
#include "framework/commandlineinfo.h"
#include "framework/createcontext.h"
#include "framework/document.h"
#include "framework/framewnd.h"
#include "framework/singledoctemplate.h"
#include "framework/splitterwnd.h"
#include "framework/statusbar.h"
#include "framework/view.h"
#include "framework/winapp.h"
#include "support/boxanswerer.h"
#include "support/dialogs.h"
#include "velora/activedoc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

int s_nDocsAlive = 0;
int s_nViewsAlive = 0;

// Two strings; can be told to lose its file after the first one while saving.
class CProbeDoc : public CDocument {
    DECLARE_DYNCREATE(CProbeDoc)
public:
    CProbeDoc() { ++s_nDocsAlive; }
    ~CProbeDoc() override { --s_nDocsAlive; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_strFirst;
            if (m_bLoseFileMidway)
                ar.GetFile()->Close();
            ar << m_strSecond;
        } else {
            ar >> m_strFirst >> m_strSecond;
        }
    }
    CString m_strFirst, m_strSecond;
    BOOL m_bLoseFileMidway = FALSE;
};
IMPLEMENT_DYNCREATE(CProbeDoc, CDocument)

class CProbeView : public CView {
    DECLARE_DYNCREATE(CProbeView)
public:
    CProbeView() { ++s_nViewsAlive; }
    ~CProbeView() override { --s_nViewsAlive; }
    int m_nInitialUpdates = 0;
    void OnInitialUpdate() override { ++m_nInitialUpdates; }

protected:
    void OnDraw(HDC) override {}
};
IMPLEMENT_DYNCREATE(CProbeView, CView)

// A view that refuses its window.
class CRefusingView : public CProbeView {
    DECLARE_DYNCREATE(CRefusingView)
protected:
    int OnCreate(LPCREATESTRUCTA) override { return -1; }
};
IMPLEMENT_DYNCREATE(CRefusingView, CProbeView)

// A view that offers direct printing and counts the job's steps it reaches.
class CPrintingView : public CProbeView {
    DECLARE_DYNCREATE(CPrintingView)
public:
    static int s_nPrepared, s_nBegun;
    BOOL OnCmdMsg(UINT nID) override
    {
        if (nID != ID_FILE_PRINT_DIRECT)
            return CProbeView::OnCmdMsg(nID);
        OnFilePrintDirect();
        return TRUE;
    }

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        ++s_nPrepared;
        return CProbeView::OnPreparePrinting(pInfo);
    }
    void OnBeginPrinting(HDC, CPrintInfo*) override { ++s_nBegun; }
};
IMPLEMENT_DYNCREATE(CPrintingView, CProbeView)
int CPrintingView::s_nPrepared = 0;
int CPrintingView::s_nBegun = 0;

// A frame whose only client window is the template's view.
class CPlainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlainFrame)
};
IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

// A frame with a status bar and a 1 x 2 static splitter, as the client's main frame.
class CProbeFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CProbeFrame)
public:
    CSplitterWnd m_wndSplitter;
    CStatusBar m_wndStatusBar;
    CWnd* m_pMainWndAtFirstShow = NULL;
    BOOL m_bShown = FALSE;
    static BOOL s_bEmptySplitter; // the splitter gets no panes

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SHOWWINDOW && wParam && !m_bShown) {
            m_bShown = TRUE;
            m_pMainWndAtFirstShow = AfxGetMainWnd();
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }

protected:
    int OnCreate(LPCREATESTRUCTA lpcs) override
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT indicators[] = {0, ID_INDICATOR_CAPS};
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 2))
            return -1;
        return 0;
    }
    BOOL OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) override
    {
        m_wndSplitter.CreateStatic(this, 1, 2);
        if (s_bEmptySplitter)
            return TRUE;
        m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CProbeView), SIZE{170, 0}, pContext);
        m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CProbeView), SIZE{0, 0}, pContext);
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CProbeFrame, CFrameWnd)
BOOL CProbeFrame::s_bEmptySplitter = FALSE;

std::string TempPath(const char* pszName)
{
    char szDir[MAX_PATH];
    GetTempPathA(MAX_PATH, szDir);
    return std::string(szDir) + pszName;
}

void WriteBytes(const std::string& strPath, const std::string& bytes)
{
    std::ofstream(strPath, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

RECT ScreenRect(HWND hWnd)
{
    RECT rect;
    GetWindowRect(hWnd, &rect);
    return rect;
}

// Drops the quit request a destroyed main window leaves, so later tests' loops run.
void DrainQuit()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    }
}

} // namespace

TEST(DocumentFile, ZeroByteFileOpensWithoutReading)
{
    std::string strPath = TempPath("fw_empty.prb");
    WriteBytes(strPath, "");
    CBoxAnswerer answerer;
    CProbeDoc doc;
    doc.m_strFirst = "kept";
    EXPECT_TRUE(doc.OnOpenDocument(strPath.c_str()));
    EXPECT_STREQ("kept", doc.m_strFirst);
    EXPECT_TRUE(answerer.Boxes().empty());
    DeleteFileA(strPath.c_str());
}

TEST(DocumentFile, SaveAndReopenGiveTheFieldsBackAndOnlyThem)
{
    std::string strPath = TempPath("fw_round.prb");
    CProbeDoc doc;
    doc.m_strFirst = "user";
    doc.m_strSecond = "\xC3\xDC\xC2\xEB"; // two characters in code page 936
    ASSERT_TRUE(doc.DoSave(strPath.c_str(), FALSE));
    EXPECT_TRUE(doc.GetPathName().IsEmpty()); // saving elsewhere keeps the document's path
    EXPECT_EQ(std::string("\x04user\x04\xC3\xDC\xC2\xEB"), ReadBytes(strPath));

    CProbeDoc reopened;
    EXPECT_TRUE(reopened.OnOpenDocument(strPath.c_str()));
    EXPECT_STREQ("user", reopened.m_strFirst);
    EXPECT_STREQ("\xC3\xDC\xC2\xEB", reopened.m_strSecond);

    ASSERT_TRUE(doc.DoSave(strPath.c_str(), TRUE));
    EXPECT_STREQ(strPath.c_str(), doc.GetPathName());
    EXPECT_STREQ("fw_round.prb", doc.GetTitle());
    DeleteFileA(strPath.c_str());
}

TEST(DocumentFile, TruncatedOrMissingFileFailsWithTheFrameworkMessage)
{
    std::string strPath = TempPath("fw_cut.prb");
    WriteBytes(strPath, std::string("\x04user\x04pa", 7)); // second field cut short
    CBoxAnswerer answerer;
    CProbeDoc doc;
    doc.m_strSecond = "before";
    EXPECT_FALSE(doc.OnOpenDocument(strPath.c_str()));
    EXPECT_STREQ("user", doc.m_strFirst);    // read completely before the failure
    EXPECT_STREQ("before", doc.m_strSecond); // not read: keeps its value
    EXPECT_FALSE(doc.OnOpenDocument(TempPath("fw_missing.prb").c_str()));
    std::vector<std::string> boxes = answerer.Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(0u, boxes[0].find("framework_document_test|"));
    EXPECT_NE(std::string::npos, boxes[0].find("fw_cut.prb"));
    EXPECT_NE(std::string::npos, boxes[1].find("fw_missing.prb"));
    DeleteFileA(strPath.c_str());
}

TEST(DocumentFile, SaveFailingMidwayLeavesTheOldFileIntact)
{
    std::string strPath = TempPath("fw_keep.prb");
    std::string old("\x03old\x03"
                    "abc",
                    8);
    WriteBytes(strPath, old);
    CBoxAnswerer answerer;
    CProbeDoc doc;
    doc.m_strFirst = "new first";
    doc.m_strSecond = "new second";
    doc.m_bLoseFileMidway = TRUE;
    EXPECT_FALSE(doc.DoSave(strPath.c_str(), TRUE));
    EXPECT_EQ(old, ReadBytes(strPath));
    EXPECT_TRUE(doc.GetPathName().IsEmpty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((strPath + ".new").c_str()));
    EXPECT_EQ(1u, answerer.Boxes().size());
    DeleteFileA(strPath.c_str());
}

TEST(DocumentFrame, TemplateBuildsFramePanesAndStatusBarLayout)
{
    {
        CWinApp app;
        EXPECT_EQ(NULL, GetActiveDoc());
        app.AddDocTemplate(new CSingleDocTemplate(200, RUNTIME_CLASS(CProbeDoc), RUNTIME_CLASS(CProbeFrame),
                                                  RUNTIME_CLASS(CProbeView)));
        EXPECT_EQ(NULL, GetActiveDoc());
        CDocument* pDoc = app.OpenDocumentFile(NULL);
        ASSERT_NE(nullptr, pDoc);
        EXPECT_EQ(pDoc, GetActiveDoc());
        auto* pFrame = dynamic_cast<CProbeFrame*>(app.m_pMainWnd);
        ASSERT_NE(nullptr, pFrame);
        EXPECT_EQ(pFrame, pFrame->m_pMainWndAtFirstShow);
        EXPECT_STREQ("Probe", pFrame->GetWindowText());

        CSplitterWnd& splitter = pFrame->m_wndSplitter;
        auto* pLeft = dynamic_cast<CProbeView*>(splitter.GetPane(0, 0));
        auto* pRight = dynamic_cast<CProbeView*>(splitter.GetPane(0, 1));
        ASSERT_NE(nullptr, pLeft);
        ASSERT_NE(nullptr, pRight);
        EXPECT_EQ(pDoc, pLeft->GetDocument());
        EXPECT_EQ(1, pRight->m_nInitialUpdates);
        EXPECT_EQ(nullptr, splitter.GetPane(0, 2));
        EXPECT_EQ(nullptr, splitter.GetPane(1, 0));
        EXPECT_EQ(nullptr, splitter.GetPane(-1, 0));
        EXPECT_FALSE(splitter.CreateView(0, 2, RUNTIME_CLASS(CProbeView), SIZE{10, 0}, NULL));
        EXPECT_FALSE(splitter.CreateView(0, 0, RUNTIME_CLASS(CProbeView), SIZE{10, 0}, NULL));
        EXPECT_EQ(2, s_nViewsAlive);

        pFrame->SetWindowPos(NULL, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOMOVE);
        RECT rcClient;
        pFrame->GetClientRect(&rcClient);
        POINT origin = {0, 0};
        ClientToScreen(pFrame->m_hWnd, &origin);
        RECT rcStatus = ScreenRect(pFrame->m_wndStatusBar.m_hWnd);
        RECT rcSplitter = ScreenRect(splitter.m_hWnd);
        EXPECT_EQ(origin.y + rcClient.bottom, rcStatus.bottom);
        EXPECT_EQ(origin.x, rcStatus.left);
        EXPECT_EQ(origin.x + rcClient.right, rcStatus.right);
        EXPECT_GT(rcStatus.bottom - rcStatus.top, 10);
        EXPECT_EQ(origin.y, rcSplitter.top);
        EXPECT_EQ(rcStatus.top, rcSplitter.bottom);
        EXPECT_EQ(rcClient.right, rcSplitter.right - rcSplitter.left);

        RECT rcLeft = ScreenRect(pLeft->m_hWnd), rcRight = ScreenRect(pRight->m_hWnd);
        EXPECT_EQ(170, rcLeft.right - rcLeft.left);
        EXPECT_GT(rcRight.left, rcLeft.right);
        EXPECT_LE(rcRight.right, rcSplitter.right);
        EXPECT_GT(rcRight.right - rcRight.left, 400);
        EXPECT_EQ(2, pFrame->m_wndStatusBar.GetCount());
        EXPECT_STREQ("CAPS", pFrame->m_wndStatusBar.GetPaneText(1));

        // Opening a file reuses the document and frame; the frame shows its name.
        std::string strPath = TempPath("fw_frame.prb");
        WriteBytes(strPath, "");
        EXPECT_EQ(pDoc, app.OpenDocumentFile(strPath.c_str()));
        EXPECT_EQ(pFrame, app.m_pMainWnd);
        EXPECT_STREQ("fw_frame.prb - Probe", pFrame->GetWindowText());
        DeleteFileA(strPath.c_str());

        pFrame->DestroyWindow();
        EXPECT_EQ(NULL, app.m_pMainWnd);
        EXPECT_EQ(NULL, GetActiveDoc());
        EXPECT_EQ(0, s_nDocsAlive);
        EXPECT_EQ(0, s_nViewsAlive);
        DrainQuit();
    }
    EXPECT_EQ(NULL, AfxGetApp());
}

TEST(DocumentFrame, RefusedPaneIsFreedAndLeftEmpty)
{
    CProbeFrame::s_bEmptySplitter = TRUE;
    CProbeFrame* pFrame = static_cast<CProbeFrame*>(CProbeFrame::CreateObject());
    BOOL bLoaded = pFrame->LoadFrame(200, WS_OVERLAPPEDWINDOW, NULL, NULL);
    CProbeFrame::s_bEmptySplitter = FALSE;
    ASSERT_TRUE(bLoaded);
    CSplitterWnd& splitter = pFrame->m_wndSplitter;
    CCreateContext context;
    EXPECT_FALSE(splitter.CreateView(0, 0, RUNTIME_CLASS(CRefusingView), SIZE{170, 0}, &context));
    EXPECT_EQ(nullptr, splitter.GetPane(0, 0));
    EXPECT_EQ(0, s_nViewsAlive);
    EXPECT_TRUE(splitter.CreateView(0, 0, RUNTIME_CLASS(CProbeView), SIZE{170, 0}, &context));
    EXPECT_EQ(1, s_nViewsAlive);
    pFrame->DestroyWindow();
    EXPECT_EQ(0, s_nViewsAlive);
}

TEST(DocumentFrame, FailedFirstOpenKeepsNoFrameOrDocument)
{
    CWinApp app;
    app.AddDocTemplate(
        new CSingleDocTemplate(200, RUNTIME_CLASS(CProbeDoc), RUNTIME_CLASS(CProbeFrame), RUNTIME_CLASS(CProbeView)));
    CBoxAnswerer answerer;
    EXPECT_EQ(nullptr, app.OpenDocumentFile(TempPath("fw_absent.prb").c_str()));
    EXPECT_EQ(NULL, app.m_pMainWnd);
    EXPECT_EQ(NULL, GetActiveDoc());
    EXPECT_EQ(0, s_nDocsAlive);
    EXPECT_EQ(0, s_nViewsAlive);
    EXPECT_EQ(1u, answerer.Boxes().size());
    DrainQuit();
}

TEST(CommandLine, NamesTheShellCommand)
{
    CCommandLineInfo none;
    EXPECT_EQ(CCommandLineInfo::FileNew, none.m_nShellCommand);

    CCommandLineInfo open;
    open.ParseParam("C:\\a.prb", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FileOpen, open.m_nShellCommand);
    EXPECT_STREQ("C:\\a.prb", open.m_strFileName);

    CCommandLineInfo print;
    print.ParseParam("P", TRUE, FALSE);
    print.ParseParam("C:\\a.prb", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FilePrint, print.m_nShellCommand);
    EXPECT_STREQ("C:\\a.prb", print.m_strFileName);
}

namespace {

std::string ReadDefaultValue(const std::string& strKey)
{
    char szValue[512] = "";
    LONG cbValue = sizeof(szValue);
    if (RegQueryValueA(HKEY_CURRENT_USER, strKey.c_str(), szValue, &cbValue) != ERROR_SUCCESS)
        return "<missing>";
    return szValue;
}

} // namespace

TEST(ShellFileTypes, RegistersExtensionTypeAndCommands)
{
    CWinApp app;
    app.AddDocTemplate(
        new CSingleDocTemplate(200, RUNTIME_CLASS(CProbeDoc), RUNTIME_CLASS(CProbeFrame), RUNTIME_CLASS(CProbeView)));
    app.RegisterShellFileTypes(FALSE);
    EXPECT_EQ("Probe.Document", ReadDefaultValue("Software\\Classes\\.prb"));
    EXPECT_EQ("Probe Document", ReadDefaultValue("Software\\Classes\\Probe.Document"));
    std::string strOpen = ReadDefaultValue("Software\\Classes\\Probe.Document\\shell\\open\\command");
    EXPECT_NE(std::string::npos, strOpen.find("framework_document_test.exe\" \"%1\""));
    EXPECT_EQ("<missing>", ReadDefaultValue("Software\\Classes\\Probe.Document\\shell\\print\\command"));

    app.RegisterShellFileTypes(TRUE);
    std::string strPrint = ReadDefaultValue("Software\\Classes\\Probe.Document\\shell\\print\\command");
    EXPECT_NE(std::string::npos, strPrint.find("/p \"%1\""));
    for (const char* pszKey : {"\\shell\\open\\command", "\\shell\\open", "\\shell\\print\\command", "\\shell\\print",
                               "\\shell\\printto\\command", "\\shell\\printto", "\\shell", ""})
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\Classes\\Probe.Document") + pszKey).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Classes\\.prb");
    EXPECT_EQ("<missing>", ReadDefaultValue("Software\\Classes\\Probe.Document"));
}

namespace {

std::string ReadStringValue(const std::string& strKey, const char* pszName)
{
    char szValue[MAX_PATH] = "";
    DWORD cbValue = sizeof(szValue);
    if (RegGetValueA(HKEY_CURRENT_USER, strKey.c_str(), pszName, RRF_RT_REG_SZ, NULL, szValue, &cbValue) !=
        ERROR_SUCCESS)
        return "<missing>";
    return szValue;
}

} // namespace

TEST(RecentFiles, OpenedFilesAreKeptUnderTheApplicationsKeyFourAtMost)
{
    const std::string strKey = "Software\\VeloraFwTest\\framework_document_test\\Recent File List";
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(TempPath(("fw_recent" + std::to_string(i) + ".prb").c_str()));
        WriteBytes(paths.back(), "");
    }
    {
        CWinApp app;
        app.SetRegistryKey("VeloraFwTest");
        app.LoadStdProfileSettings(4);
        app.AddDocTemplate(new CSingleDocTemplate(200, RUNTIME_CLASS(CProbeDoc), RUNTIME_CLASS(CPlainFrame),
                                                  RUNTIME_CLASS(CProbeView)));
        for (int i : {0, 1, 2, 3, 4, 1})
            ASSERT_NE(nullptr, app.OpenDocumentFile(paths[i].c_str()));
        app.ExitInstance();
        app.m_pMainWnd->DestroyWindow();
        DrainQuit();
    }
    const int kOrder[] = {1, 4, 3, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(paths[kOrder[i]], ReadStringValue(strKey, ("File" + std::to_string(i + 1)).c_str())) << i;
    EXPECT_EQ("<missing>", ReadStringValue(strKey, "File5"));

    CWinApp next;
    next.SetRegistryKey("VeloraFwTest");
    next.LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, next.GetRecentFileList());
    ASSERT_EQ(4, next.GetRecentFileList()->GetCount());
    EXPECT_STREQ(paths[1].c_str(), (*next.GetRecentFileList())[0]);
    for (const char* pszKey : {"\\framework_document_test\\Recent File List", "\\framework_document_test", ""})
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\VeloraFwTest") + pszKey).c_str());
    for (const std::string& strPath : paths)
        DeleteFileA(strPath.c_str());
}

TEST(ShellPrint, OpensTheDocumentUnseenPrintsDirectlyThroughItsViewAndEnds)
{
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed: the job would really print";
    std::string strPath = TempPath("fw_print.prb");
    WriteBytes(strPath, "");
    CBoxAnswerer answerer;
    CWinApp app;
    app.AddDocTemplate(new CSingleDocTemplate(200, RUNTIME_CLASS(CProbeDoc), RUNTIME_CLASS(CPlainFrame),
                                              RUNTIME_CLASS(CPrintingView)));
    CCommandLineInfo cmdInfo;
    cmdInfo.ParseParam("p", TRUE, FALSE);
    cmdInfo.ParseParam(strPath.c_str(), FALSE, TRUE);
    EXPECT_FALSE(app.ProcessShellCommand(cmdInfo)); // the program ends after printing
    auto* pFrame = dynamic_cast<CFrameWnd*>(app.m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    EXPECT_FALSE(IsWindowVisible(pFrame->m_hWnd));
    ASSERT_NE(nullptr, pFrame->GetActiveDocument());
    EXPECT_STREQ(strPath.c_str(), pFrame->GetActiveDocument()->GetPathName());
    EXPECT_EQ(1, CPrintingView::s_nPrepared);
    EXPECT_EQ(0, CPrintingView::s_nBegun); // no printer: the job never starts
    EXPECT_TRUE(answerer.Boxes().empty());
    pFrame->DestroyWindow();
    DrainQuit();
    DeleteFileA(strPath.c_str());
}
