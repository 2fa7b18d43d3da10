// Velora's view as the document template makes it: the framework's print commands that
// reach it go to the base view's print handlers. No printer is installed here, so the
// print dialog gives way to the platform's own "no printer" box and direct printing ends
// quietly before the job starts.

#include "framework/afxres.h"
#include "framework/framewnd.h"
#include "framework/singledoctemplate.h"
#include "framework/winapp.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/dialogs.h"
#include "velora/resource.h"
#include "velora/veloradoc.h"
#include "velora/veloraview.h"

#include <gtest/gtest.h>

namespace {

// Counts how often the print preparation is reached, then prepares as Velora's view does.
class CCountingView : public CVeloraView {
    DECLARE_DYNCREATE(CCountingView)
public:
    static int s_nPrepared;

protected:
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        ++s_nPrepared;
        return CVeloraView::OnPreparePrinting(pInfo);
    }
};
IMPLEMENT_DYNCREATE(CCountingView, CVeloraView)
int CCountingView::s_nPrepared = 0;

// A frame whose only client window is the template's view.
class CPlainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlainFrame)
};
IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

} // namespace

TEST(VeloraView, PrintCommandsReachThePrintHandlers)
{
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed: the jobs would really print";
    CWinApp app;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVeloraDoc), RUNTIME_CLASS(CPlainFrame),
                                              RUNTIME_CLASS(CCountingView)));
    ASSERT_NE(nullptr, app.OpenDocumentFile(NULL));
    struct {
        UINT nID;
        size_t nBoxes; // the platform's "no printer" box of the print dialog
    } const cases[] = {{ID_FILE_PRINT, 1}, {ID_FILE_PRINT_DIRECT, 0}};
    for (const auto& c : cases) {
        CBoxAnswerer answerer;
        int nBefore = CCountingView::s_nPrepared;
        app.m_pMainWnd->SendMessage(WM_COMMAND, c.nID);
        EXPECT_EQ(nBefore + 1, CCountingView::s_nPrepared) << c.nID;
        EXPECT_EQ(c.nBoxes, answerer.Boxes().size()) << c.nID;
    }
    app.m_pMainWnd->DestroyWindow();
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ;
}
