#include "tests/support/framedesk.h"

#include "framework/uicall.h"
#include "task/taskregistry.h"
#include "tests/support/gdiplussession.h"
#include "tests/support/wait.h"
#include "velora/leftcontainer.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <thread>

namespace {

CVeloraApp theApp;
const ::testing::Environment* const g_pGdiplus = ::testing::AddGlobalTestEnvironment(new CGdiplusSession);

void SendMouse(DWORD dwFlags, POINT ptScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(ptScreen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(ptScreen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

} // namespace

namespace FrameDesk {

CMainFrame* Frame()
{
    static CMainFrame* s_pFrame = nullptr;
    if (s_pFrame)
        return s_pFrame;
    if (!CUiCall::CreateWindowForThread())
        return nullptr;
    s_pFrame = new CMainFrame;
    s_pFrame->m_bStarted = TRUE; // no start-up sequence here
    if (!s_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL))
        return s_pFrame = nullptr;
    theApp.m_pMainWnd = s_pFrame;
    s_pFrame->ShowWindow(SW_SHOWNORMAL);
    s_pFrame->UpdateWindow();
    Pump(300);
    return s_pFrame;
}

CVeloraApp& App()
{
    return theApp;
}

CLeftContainer* Left()
{
    return dynamic_cast<CLeftContainer*>(Frame()->m_wndSplitter.GetPane(0, 0));
}

void Pump(DWORD dwMs)
{
    PumpFor(dwMs);
}

bool RunTasks()
{
    PumpUntil([] { return GetTaskRegistry().GetCount() == 0; }, 15000);
    Pump();
    return GetTaskRegistry().GetCount() == 0;
}

POINT FromWindow(int x, int y)
{
    RECT rc;
    GetWindowRect(Frame()->m_hWnd, &rc);
    return POINT{rc.left + x, rc.top + y};
}

COLORREF WindowPixel(int x, int y)
{
    return ScreenPixel(FromWindow(x, y));
}

bool Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

void MoveMouse(POINT ptScreen)
{
    SendMouse(MOUSEEVENTF_MOVE, ptScreen);
    Pump(150);
}

DWORD MoveMouseAndTime(POINT ptScreen, const std::function<bool()>& done, DWORD dwTimeoutMs)
{
    std::atomic<bool> bFinished{false};
    DWORD dwStart = GetTickCount();
    DWORD dwTaken = dwTimeoutMs;
    std::thread watcher([&] {
        if (WaitUntil(done, dwTimeoutMs, 15))
            dwTaken = GetTickCount() - dwStart;
        bFinished = true;
    });
    SendMouse(MOUSEEVENTF_MOVE, ptScreen);
    PumpUntil([&] { return bFinished.load(); }, dwTimeoutMs + 5000);
    watcher.join();
    return dwTaken;
}

DWORD FastestOfFive(const std::string& strWhat, const std::function<DWORD()>& timeOnce)
{
    DWORD times[5];
    std::string strTimes;
    for (DWORD& dwMs : times) {
        dwMs = timeOnce();
        strTimes += (strTimes.empty() ? "" : ", ") + std::to_string(dwMs);
    }
    printf("%s: %s ms\n", strWhat.c_str(), strTimes.c_str());
    return *std::min_element(std::begin(times), std::end(times));
}

CHoverTimeSetting::CHoverTimeSetting(UINT nMs)
{
    SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &m_nBefore, 0);
    SystemParametersInfoA(SPI_SETMOUSEHOVERTIME, nMs, NULL, 0);
}

CHoverTimeSetting::~CHoverTimeSetting()
{
    SystemParametersInfoA(SPI_SETMOUSEHOVERTIME, m_nBefore, NULL, 0);
}

// Clicks are kept further apart than a double click, which would arrive as one.
void Click(POINT ptScreen)
{
    static DWORD s_dwLastClick = 0;
    DWORD dwSince = GetTickCount() - s_dwLastClick;
    if (dwSince <= GetDoubleClickTime())
        Pump(GetDoubleClickTime() - dwSince + 50);
    s_dwLastClick = GetTickCount();
    SendMouse(MOUSEEVENTF_MOVE, ptScreen);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptScreen);
    SendMouse(MOUSEEVENTF_LEFTUP, ptScreen);
    Pump(200);
}

void Drag(POINT ptFrom, POINT ptTo)
{
    SendMouse(MOUSEEVENTF_MOVE, ptFrom);
    SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom);
    SendMouse(MOUSEEVENTF_MOVE, ptTo);
    SendMouse(MOUSEEVENTF_LEFTUP, ptTo);
    Pump(300);
}

} // namespace FrameDesk
