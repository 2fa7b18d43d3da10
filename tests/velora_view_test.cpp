// Velora's view as the document template makes it: the framework's print commands that
// reach it go to the base view's print handlers. No printer is installed here, so the
// print dialog gives way to the platform's own "no printer" box, and direct printing and
// the preview end quietly before the job starts. With a page the test provides, the
// preview shows it over the frame and closes by its buttons.

#include "framework/afxres.h"
#include "framework/framewnd.h"
#include "framework/singledoctemplate.h"
#include "framework/winapp.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogs.h"
#include "tests/support/screenarea.h"
#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"
#include "velora/resource.h"
#include "velora/veloradoc.h"
#include "velora/veloraview.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

const COLORREF kMark = RGB(0x20, 0x80, 0xC0);

// Counts the print steps, then prepares as Velora's view does; while s_bOwnPage is set a
// preview gets a page of the test's own (the screen's size). A printed page's left half
// is kMark; the view on the screen stays blank.
class CCountingView : public CVeloraView {
    DECLARE_DYNCREATE(CCountingView)
public:
    static int s_nPrepared, s_nPreviewsPrepared, s_nBegun, s_nEnded;
    static bool s_bOwnPage;

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        ++s_nPrepared;
        if (!pInfo->m_bPreview)
            return CVeloraView::OnPreparePrinting(pInfo);
        ++s_nPreviewsPrepared;
        if (!s_bOwnPage)
            return CVeloraView::OnPreparePrinting(pInfo);
        pInfo->m_pd.hDC = CreateCompatibleDC(NULL);
        return pInfo->m_pd.hDC != NULL;
    }
    void OnBeginPrinting(HDC hDC, CPrintInfo* pInfo) override
    {
        ++s_nBegun;
        CVeloraView::OnBeginPrinting(hDC, pInfo);
    }
    void OnEndPrinting(HDC hDC, CPrintInfo* pInfo) override
    {
        ++s_nEnded;
        CVeloraView::OnEndPrinting(hDC, pInfo);
    }
    void OnPrint(HDC hDC, CPrintInfo*) override
    {
        RECT rcHalf = {0, 0, GetDeviceCaps(hDC, HORZRES) / 2, GetDeviceCaps(hDC, VERTRES)};
        HBRUSH hBrush = CreateSolidBrush(kMark);
        FillRect(hDC, &rcHalf, hBrush);
        DeleteObject(hBrush);
    }
};
IMPLEMENT_DYNCREATE(CCountingView, CVeloraView)
int CCountingView::s_nPrepared = 0;
int CCountingView::s_nPreviewsPrepared = 0;
int CCountingView::s_nBegun = 0;
int CCountingView::s_nEnded = 0;
bool CCountingView::s_bOwnPage = false;

// A frame whose only client window is the template's view.
class CPlainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlainFrame)
};
IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

class VeloraView : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVeloraDoc),
                                                    RUNTIME_CLASS(CPlainFrame), RUNTIME_CLASS(CCountingView)));
        ASSERT_NE(nullptr, m_app.OpenDocumentFile(NULL));
    }
    void TearDown() override
    {
        if (m_app.m_pMainWnd)
            m_app.m_pMainWnd->DestroyWindow();
        PumpFor();
    }
    CWinApp m_app;
};

struct CPreviewSeen {
    HWND hOwner = NULL;
    bool bOwnerEnabled = true;
    std::string strPrint, strClose;
    int nMark = 0, nWhite = 0; // along the page's middle row
    bool bFits = false;        // the page lies inside the window's client area
};

// A window of the UI thread over the frame, other than a message box: the preview.
struct CPreviewSearch {
    HWND hFrame;
    HWND hPreview;
};

BOOL CALLBACK FindPreview(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<CPreviewSearch*>(lParam);
    if (hWnd == pSearch->hFrame || !IsWindowVisible(hWnd) || IsMessageBox(hWnd))
        return TRUE;
    pSearch->hPreview = hWnd;
    return FALSE;
}

// The page on the screen: a row across it holds the mark, then white, with the window's
// own background on either side.
void ReadPage(HWND hPreview, CPreviewSeen& seen)
{
    RECT rc;
    GetClientRect(hPreview, &rc);
    MapWindowPoints(hPreview, NULL, reinterpret_cast<POINT*>(&rc), 2);
    CScreenArea area(rc);
    int y = area.Height() * 2 / 3;
    int nFirst = -1, nLast = -1;
    seen.nMark = seen.nWhite = 0;
    for (int x = 0; x < area.Width(); ++x) {
        COLORREF cr = area.At(x, y);
        bool bMark = cr == kMark, bWhite = cr == RGB(255, 255, 255);
        seen.nMark += bMark;
        seen.nWhite += bWhite;
        if (bMark || bWhite) {
            nFirst = nFirst < 0 ? x : nFirst;
            nLast = x;
        }
    }
    seen.bFits = nFirst > 0 && nLast < area.Width() - 1 && area.At(nFirst, y) == kMark &&
                 area.At(nLast, y) == RGB(255, 255, 255);
}

// Waits for the preview over hFrame, reads what it shows and presses nButton.
CPreviewSeen WatchPreview(HWND hFrame, UINT nButton)
{
    CPreviewSeen seen;
    CPreviewSearch search = {hFrame, NULL};
    DWORD dwThreadId = GetWindowThreadProcessId(hFrame, NULL);
    auto found = [&] {
        EnumThreadWindows(dwThreadId, FindPreview, reinterpret_cast<LPARAM>(&search));
        return search.hPreview != NULL;
    };
    if (!WaitUntil(found, 10000, 20))
        return seen;
    HWND hPreview = search.hPreview;
    seen.hOwner = GetWindow(hPreview, GW_OWNER);
    seen.bOwnerEnabled = IsWindowEnabled(hFrame);
    seen.strPrint = WindowText(GetDlgItem(hPreview, ID_FILE_PRINT));
    seen.strClose = WindowText(GetDlgItem(hPreview, IDCANCEL));
    WaitUntil(
        [&] {
            ReadPage(hPreview, seen);
            return seen.bFits;
        },
        5000, 50);
    PostMessage(GetDlgItem(hPreview, nButton), BM_CLICK, 0, 0);
    return seen;
}

} // namespace

TEST_F(VeloraView, PrintCommandsReachThePrintHandlers)
{
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed: the jobs would really print";
    struct {
        UINT nID;
        size_t nBoxes; // the platform's "no printer" box of the print dialog
        int nPreviews;
    } const cases[] = {{ID_FILE_PRINT, 1, 0}, {ID_FILE_PRINT_DIRECT, 0, 0}, {ID_FILE_PRINT_PREVIEW, 0, 1}};
    for (const auto& c : cases) {
        CBoxAnswerer answerer;
        int nBefore = CCountingView::s_nPrepared, nPreviewsBefore = CCountingView::s_nPreviewsPrepared;
        m_app.m_pMainWnd->SendMessage(WM_COMMAND, c.nID);
        EXPECT_EQ(nBefore + 1, CCountingView::s_nPrepared) << c.nID;
        EXPECT_EQ(nPreviewsBefore + c.nPreviews, CCountingView::s_nPreviewsPrepared) << c.nID;
        EXPECT_EQ(c.nBoxes, answerer.Boxes().size()) << c.nID;
    }
    // Without a printer no job began.
    EXPECT_EQ(0, CCountingView::s_nBegun);
    EXPECT_EQ(0, CCountingView::s_nEnded);
}

TEST_F(VeloraView, PreviewShowsThePageOverTheFrameAndClosesByItsButtons)
{
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed: the print button would really print";
    HWND hFrame = m_app.m_pMainWnd->m_hWnd;
    SetWindowPos(hFrame, HWND_TOP, 40, 40, 640, 480, SWP_SHOWWINDOW);
    CCountingView::s_bOwnPage = true;
    struct {
        UINT nButton;
        int nPrints;   // preparations of a print job after the preview
        size_t nBoxes; // the print dialog's "no printer" box
    } const cases[] = {{IDCANCEL, 0, 0}, {ID_FILE_PRINT, 1, 1}};
    for (const auto& c : cases) {
        CBoxAnswerer answerer;
        int nPrepared = CCountingView::s_nPrepared, nBegun = CCountingView::s_nBegun, nEnded = CCountingView::s_nEnded;
        CPreviewSeen seen;
        std::thread watcher([&] { seen = WatchPreview(hFrame, c.nButton); });
        m_app.m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        watcher.join();
        EXPECT_EQ(hFrame, seen.hOwner) << c.nButton;
        EXPECT_FALSE(seen.bOwnerEnabled) << c.nButton;
        EXPECT_EQ("打印", seen.strPrint);
        EXPECT_EQ("关闭", seen.strClose);
        EXPECT_TRUE(seen.bFits) << c.nButton << ": mark " << seen.nMark << ", white " << seen.nWhite;
        EXPECT_GT(seen.nMark, 50) << c.nButton;
        EXPECT_NEAR(seen.nMark, seen.nWhite, 2) << c.nButton;
        EXPECT_EQ(nBegun + 1, CCountingView::s_nBegun) << c.nButton;
        EXPECT_EQ(nEnded + 1, CCountingView::s_nEnded) << c.nButton;
        EXPECT_EQ(nPrepared + 1 + c.nPrints, CCountingView::s_nPrepared) << c.nButton;
        EXPECT_EQ(c.nBoxes, answerer.Boxes().size()) << c.nButton;
        EXPECT_TRUE(IsWindowEnabled(hFrame)) << c.nButton;
    }
    CCountingView::s_bOwnPage = false;
}
