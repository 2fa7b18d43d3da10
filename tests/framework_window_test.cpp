#include "framework/dialog.h"
#include "framework/handlemap.h"
#include "framework/uicall.h"
#include "framework/winapp.h"
#include "framework/wnd.h"
#include "support/boxanswerer.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

const UINT WM_PROBE_HANDLED = WM_APP + 1;
const UINT WM_PROBE_UNHANDLED = WM_APP + 2;
const UINT WM_PROBE_THROW = WM_APP + 3;
const UINT WM_PROBE_EATEN = WM_APP + 5;
const UINT WM_PROBE_PASSED = WM_APP + 6;

// Records what reaches each of its hooks.
class CProbeWnd : public CWnd {
public:
    std::vector<UINT> m_seen;      // WindowProc
    std::vector<UINT> m_defaulted; // DefWindowProc
    std::vector<UINT> m_pretranslated;
    int m_nPostNcDestroy = 0;
    BOOL m_bFailCreate = FALSE;
    BOOL m_bRefusePreCreate = FALSE;
    UINT m_nEat = 0; // a message PreTranslateMessage takes

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_seen.push_back(message);
        switch (message) {
        case WM_PROBE_HANDLED:
            return 7;
        case WM_PROBE_THROW:
            throw std::runtime_error("handler failed");
        case WM_SETTEXT:
            return Default();
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_defaulted.push_back(message);
        if (message == WM_PROBE_UNHANDLED)
            return 42;
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        m_pretranslated.push_back(pMsg->message);
        return pMsg->message == m_nEat;
    }
    BOOL Seen(UINT message) const { return std::count(m_seen.begin(), m_seen.end(), message) > 0; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override { return m_bRefusePreCreate ? FALSE : CWnd::PreCreateWindow(cs); }
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override
    {
        return m_bFailCreate ? -1 : CWnd::OnCreate(lpCreateStruct);
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
};

BOOL CreateTopLevel(CProbeWnd& wnd)
{
    return wnd.CreateEx(0, NULL, "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, NULL, NULL);
}

BOOL CreateChild(CProbeWnd& wnd, CWnd& parent)
{
    RECT rect = {0, 0, 50, 50};
    return wnd.Create(NULL, NULL, WS_VISIBLE, rect, &parent, 10);
}

size_t IndexOf(const std::vector<UINT>& list, UINT message)
{
    return static_cast<size_t>(std::find(list.begin(), list.end(), message) - list.begin());
}

} // namespace

TEST(WindowAttach, ClassSeesItsFirstMessagesAndMapForgetsItOnDestroy)
{
    size_t nBefore = CHandleMap::GetCount();
    CProbeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

    size_t nNcCreate = IndexOf(wnd.m_seen, WM_NCCREATE);
    size_t nNcCalcSize = IndexOf(wnd.m_seen, WM_NCCALCSIZE);
    size_t nCreate = IndexOf(wnd.m_seen, WM_CREATE);
    ASSERT_LT(nCreate, wnd.m_seen.size());
    EXPECT_LT(nNcCreate, nNcCalcSize);
    EXPECT_LT(nNcCalcSize, nCreate);

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_TRUE(wnd.Seen(WM_NCDESTROY));
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ(nBefore, CHandleMap::GetCount());
}

TEST(WindowAttach, FailedCreationsLeaveNothingBehind)
{
    size_t nBefore = CHandleMap::GetCount();
    CProbeWnd refused;
    refused.m_bRefusePreCreate = TRUE;
    EXPECT_FALSE(CreateTopLevel(refused));
    EXPECT_FALSE(CWnd::LastCreateAttached());
    EXPECT_TRUE(refused.m_seen.empty());

    CProbeWnd failing;
    failing.m_bFailCreate = TRUE;
    EXPECT_FALSE(CreateTopLevel(failing));
    EXPECT_TRUE(CWnd::LastCreateAttached());
    EXPECT_EQ(NULL, failing.m_hWnd);
    EXPECT_EQ(1, failing.m_nPostNcDestroy);
    EXPECT_EQ(nBefore, CHandleMap::GetCount());
}

TEST(WindowAttach, ChildCreatedInsideParentIsAttachedToItsOwnObject)
{
    CProbeWnd parent, child;
    ASSERT_TRUE(CreateTopLevel(parent));
    ASSERT_TRUE(CreateChild(child, parent));
    EXPECT_EQ(&child, parent.GetDlgItem(10));
    EXPECT_EQ(&parent, child.GetParent());
    EXPECT_TRUE(child.Seen(WM_CREATE));
    // The child's creation messages reach the child, not the parent.
    EXPECT_EQ(1u, std::count(parent.m_seen.begin(), parent.m_seen.end(), static_cast<UINT>(WM_NCCREATE)));
    parent.DestroyWindow();
    EXPECT_EQ(NULL, child.m_hWnd);
    EXPECT_EQ(1, child.m_nPostNcDestroy);
}

TEST(WindowProcedure, UnhandledMessagesReachDefWindowProcOnly)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    EXPECT_EQ(7, wnd.SendMessage(WM_PROBE_HANDLED));
    EXPECT_EQ(42, wnd.SendMessage(WM_PROBE_UNHANDLED));
    EXPECT_EQ(0u, std::count(wnd.m_defaulted.begin(), wnd.m_defaulted.end(), WM_PROBE_HANDLED));
    EXPECT_EQ(1u, std::count(wnd.m_defaulted.begin(), wnd.m_defaulted.end(), WM_PROBE_UNHANDLED));

    // Default() gives the message being handled to the default processing.
    wnd.SetWindowText("renamed");
    EXPECT_STREQ("renamed", wnd.GetWindowText());
    EXPECT_EQ(1u, std::count(wnd.m_defaulted.begin(), wnd.m_defaulted.end(), static_cast<UINT>(WM_SETTEXT)));
}

TEST(WindowProcedure, ExceptionInHandlerStopsAtTheWindowProcedure)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    EXPECT_EQ(0, wnd.SendMessage(WM_PROBE_THROW));
    EXPECT_EQ(7, wnd.SendMessage(WM_PROBE_HANDLED));
}

TEST(WindowProcedure, ObjectGoingOutOfScopeTakesItsWindow)
{
    HWND hWnd;
    {
        CProbeWnd wnd;
        ASSERT_TRUE(CreateTopLevel(wnd));
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
}

TEST(AppLoop, PreTranslateWalksParentChainOnlyInsideTheLoop)
{
    CWinApp app;
    CProbeWnd* pMain = new CProbeWnd;
    CProbeWnd child;
    ASSERT_TRUE(CreateTopLevel(*pMain));
    ASSERT_TRUE(CreateChild(child, *pMain));
    pMain->m_nEat = WM_PROBE_EATEN;
    app.m_pMainWnd = pMain;
    EXPECT_EQ(pMain, AfxGetMainWnd());

    // A sent message never passes PreTranslateMessage.
    child.SendMessage(WM_PROBE_EATEN);
    EXPECT_TRUE(child.m_pretranslated.empty());
    EXPECT_TRUE(child.Seen(WM_PROBE_EATEN));
    child.m_seen.clear();

    child.PostMessage(WM_PROBE_EATEN);
    child.PostMessage(WM_PROBE_PASSED);
    pMain->PostMessage(WM_CLOSE); // destroying the main window ends the loop
    std::thread([&] { EXPECT_EQ(pMain, AfxGetMainWnd()); }).join();
    EXPECT_EQ(0, app.Run());

    std::vector<UINT> expected = {WM_PROBE_EATEN, WM_PROBE_PASSED};
    EXPECT_EQ(expected, child.m_pretranslated);
    EXPECT_FALSE(child.Seen(WM_PROBE_EATEN));
    EXPECT_TRUE(child.Seen(WM_PROBE_PASSED));
    EXPECT_EQ(NULL, app.m_pMainWnd);
    EXPECT_EQ(NULL, child.m_hWnd);
    delete pMain;
}

TEST(UiCall, RunsOnUiThreadAndFailsOnceTheWindowIsGone)
{
    ASSERT_TRUE(CUiCall::CreateWindowForThread());
    DWORD dwUiThread = GetCurrentThreadId();

    DWORD dwRanOn = 0;
    EXPECT_TRUE(CUiCall::Call([&] { dwRanOn = GetCurrentThreadId(); }));
    EXPECT_EQ(dwUiThread, dwRanOn);

    std::atomic<bool> done{false};
    BOOL bResult = FALSE;
    dwRanOn = 0;
    std::thread worker([&] {
        bResult = CUiCall::Call([&] { dwRanOn = GetCurrentThreadId(); });
        done = true;
    });
    PumpUntil([&] { return done.load(); }, 5000);
    worker.join();
    EXPECT_TRUE(bResult);
    EXPECT_EQ(dwUiThread, dwRanOn);

    {
        // A worker reads the main window on the UI thread.
        CWinApp app;
        CProbeWnd main;
        app.m_pMainWnd = &main;
        done = false;
        CWnd* pSeen = NULL;
        worker = std::thread([&] {
            pSeen = AfxGetMainWnd();
            done = true;
        });
        PumpUntil([&] { return done.load(); }, 5000);
        worker.join();
        EXPECT_EQ(&main, pSeen);
        app.m_pMainWnd = NULL;
    }

    // A worker already waiting when the window goes is told its call did not run.
    done = false;
    BOOL bRan = FALSE;
    worker = std::thread([&] {
        bResult = CUiCall::Call([&] { bRan = TRUE; });
        done = true;
    });
    Sleep(300);
    CUiCall::DestroyWindowForThread();
    // As during shut-down, this thread now waits without a message loop.
    WaitUntil([&] { return done.load(); }, 3000);
    EXPECT_TRUE(done);
    PumpUntil([&] { return done.load(); }, 5000);
    worker.join();
    EXPECT_FALSE(bResult);
    EXPECT_FALSE(bRan);

    // Later calls fail at once, from any thread.
    std::thread([&] { bResult = CUiCall::Call([&] { bRan = TRUE; }); }).join();
    EXPECT_FALSE(bResult);
    EXPECT_FALSE(CUiCall::Call([&] { bRan = TRUE; }));
    EXPECT_FALSE(bRan);
}

namespace {

class CProbeDialog : public CDialog {
public:
    explicit CProbeDialog(CWnd* pParent) : CDialog(300, pParent) {}
    std::vector<BOOL> m_exchanges; // the direction of each data exchange
    std::vector<UINT> m_pretranslated;
    BOOL m_bOwnerDisabledInLoop = FALSE;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        m_pretranslated.push_back(pMsg->message);
        HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
        if (hOwner && !IsWindowEnabled(hOwner))
            m_bOwnerDisabledInLoop = TRUE;
        return FALSE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { m_exchanges.push_back(pDX->m_bSaveAndValidate); }
};

} // namespace

TEST(ModalDialog, LoopOffersMessagesAndEndsWithTheButton)
{
    CProbeWnd owner;
    ASSERT_TRUE(CreateTopLevel(owner));
    owner.ShowWindow(SW_SHOW);
    CProbeDialog dlg(&owner);
    INT_PTR nResult;
    std::vector<std::string> boxes;
    {
        CBoxAnswerer answerer; // presses OK in the dialog
        nResult = dlg.DoModal();
        boxes = answerer.Boxes();
    }
    EXPECT_EQ(IDOK, nResult);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Probe dialog|hello", boxes[0]);
    std::vector<BOOL> expected = {FALSE, TRUE};
    EXPECT_EQ(expected, dlg.m_exchanges);
    EXPECT_TRUE(std::count(dlg.m_pretranslated.begin(), dlg.m_pretranslated.end(), static_cast<UINT>(WM_COMMAND)));
    EXPECT_TRUE(dlg.m_bOwnerDisabledInLoop);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(NULL, dlg.m_hWnd);
}

TEST(ModalDialog, MissingTemplateReportsFailure)
{
    CDialog dlg(399);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(NULL, dlg.m_hWnd);
}
