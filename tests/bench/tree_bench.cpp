// The category tree and the caption inside a client, with the shipped skins: time of a
// rebuild and of a full paint for a small and a large tree, cost of mouse moves within
// one row and across rows, and private memory over many caption repaints and rebuilds.
// Usage: tree_bench

#include "framework/uicall.h"
#include "tests/bench/benchtools.h"
#include "tests/support/wait.h"
#include "velora/leftcontainer.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <windows.h>
#include <ole2.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

CVeloraApp theApp;

// nCategories categories of nLeaves leaves each: nCategories * (nLeaves + 1) nodes.
std::unique_ptr<TreeNode> MakeTree(int nCategories, int nLeaves)
{
    std::unique_ptr<TreeNode> root(new TreeNode);
    int nId = 1;
    for (int c = 0; c < nCategories; ++c) {
        TreeNode* pCategory = new TreeNode;
        pCategory->SetNodeId(nId++);
        pCategory->SetNodeName("分类 " + std::to_string(c));
        for (int l = 0; l < nLeaves; ++l) {
            TreeNode* pLeaf = new TreeNode;
            pLeaf->SetNodeId(nId++);
            pLeaf->SetIsLeaf(1);
            pLeaf->SetNodeName("路书 " + std::to_string(l));
            pLeaf->SetNodeUrl("http://pages/" + std::to_string(nId));
            pCategory->AddChild(pLeaf);
        }
        root->AddChild(pCategory);
    }
    return root;
}

// Milliseconds per call of fn, over n calls.
template <class F> double TimePerCall(int n, F fn)
{
    double t0 = Now();
    for (int i = 0; i < n; ++i)
        fn(i);
    return (Now() - t0) * 1000 / n;
}

void MeasureTree(CLeftContainer* pLeft, int nCategories, int nLeaves)
{
    std::unique_ptr<TreeNode> root = MakeTree(nCategories, nLeaves);
    HWND hTree = pLeft->GetTree().m_hWnd;
    double tLoad = TimePerCall(5, [&](int) { pLeft->LoadTree(root.get()); });
    PumpFor();
    double tPaint = TimePerCall(30, [&](int) { RedrawWindow(hTree, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); });
    // Rows 2 and 3 are leaves of the first category.
    RECT rcRow;
    HTREEITEM hLeaf = pLeft->GetTree().GetChildItem(pLeft->GetTree().GetChildItem(pLeft->GetTree().GetRootItem()));
    pLeft->GetTree().GetItemRect(hLeaf, &rcRow, FALSE);
    int y = (rcRow.top + rcRow.bottom) / 2, h = rcRow.bottom - rcRow.top;
    double tWithin =
        TimePerCall(200, [&](int i) { SendMessageA(hTree, WM_MOUSEMOVE, 0, MAKELPARAM(40 + i % 100, y)); });
    double tAcross =
        TimePerCall(50, [&](int i) { SendMessageA(hTree, WM_MOUSEMOVE, 0, MAKELPARAM(40, y + (i % 2) * h)); });
    PumpFor();
    printf("%5d nodes: LoadTree %7.2f ms, full paint %6.2f ms, mouse move within a row %.3f ms, across rows %.2f ms\n",
           int(nCategories * (nLeaves + 1)), tLoad, tPaint, tWithin, tAcross);
    pLeft->ClearTree();
}

} // namespace

int main()
{
    OleInitialize(NULL);
    if (!CUiCall::CreateWindowForThread())
        return 1;
    CMainFrame* pFrame = new CMainFrame;
    pFrame->m_bStarted = TRUE;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL))
        return 1;
    theApp.m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    PumpFor();
    CLeftContainer* pLeft = dynamic_cast<CLeftContainer*>(pFrame->m_wndSplitter.GetPane(0, 0));

    MeasureTree(pLeft, 5, 9);
    MeasureTree(pLeft, 50, 99);
    MeasureTree(pLeft, 5, 9);

    // Caption repaints with the hover moving over the four entries, then rebuilds.
    RECT rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    const CCaption& caption = pFrame->GetCaption();
    const RECT* entries[] = {&caption.PartRect(partBookPlaza), &caption.PartRect(partJourneyCapture),
                             &caption.PartRect(partMid), &caption.PartRect(partSetting)};
    auto repaint = [&](int i) {
        const RECT* pRect = entries[i % 4];
        pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION,
                            MAKELPARAM(rcWindow.left + pRect->left + 10, rcWindow.top + pRect->top + 40));
    };
    TimePerCall(100, repaint);
    PumpFor();
    SIZE_T before = PrivateBytes();
    double tCaption = TimePerCall(1000, repaint);
    PumpFor();
    SIZE_T afterCaption = PrivateBytes();
    std::unique_ptr<TreeNode> root = MakeTree(10, 99);
    pLeft->LoadTree(root.get());
    PumpFor();
    SIZE_T beforeRebuilds = PrivateBytes();
    double tRebuild = TimePerCall(100, [&](int) {
        pLeft->LoadTree(root.get());
        PumpFor();
    });
    SIZE_T afterRebuilds = PrivateBytes();
    printf("caption: %.2f ms a repaint; private memory %lu KB before 1000 repaints, %lu KB after (%+ld KB)\n", tCaption,
           (unsigned long)(before / 1024), (unsigned long)(afterCaption / 1024),
           long(afterCaption / 1024) - long(before / 1024));
    printf(
        "rebuilds: %.2f ms each (1000 nodes, with paint); private memory %lu KB before 100, %lu KB after (%+ld KB)\n",
        tRebuild, (unsigned long)(beforeRebuilds / 1024), (unsigned long)(afterRebuilds / 1024),
        long(afterRebuilds / 1024) - long(beforeRebuilds / 1024));
    pLeft->ClearTree();
    pFrame->DestroyWindow();
    return 0;
}
