// The floating user-info box of a real frame shown and hidden many times, each showing's
// profile request answered by the stand-in; run by hand (see the README).
// Usage: floatbox_bench [showings]
// It prints nothing between the first reply and the end (1,000 showings take about
// two minutes under Wine).
// Prints the time from the hover to the box shown (first showing, which creates the
// box, and the median of the later ones) and the private memory before and after.

#include "framework/uicall.h"
#include "model/userprofile.h"
#include "task/taskregistry.h"
#include "tests/bench/benchtools.h"
#include "tests/support/wait.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/uinfopaneldialog.h"
#include "velora/userinfodialog.h"
#include "velora/veloraapp.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

CVeloraApp theApp;

// Pumps until the panel's request has been answered and no task is left (at most 10 s).
bool RunTasks()
{
    PumpUntil([] { return GetTaskRegistry().GetCount() == 0; }, 10000);
    PumpFor();
    return GetTaskRegistry().GetCount() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    int nShowings = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::setvbuf(stdout, NULL, _IONBF, 0);
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
    theApp.m_strSessionCode = "bench";
    theApp.m_nUserId = 7;

    RECT rcFrame;
    GetWindowRect(pFrame->m_hWnd, &rcFrame);
    LPARAM lUserArea = MAKELPARAM(rcFrame.left + 55, rcFrame.top + 44);
    LPARAM lBookPlaza = MAKELPARAM(rcFrame.left + 155, rcFrame.top + 44);
    auto showBox = [&] {
        double dStart = Now();
        pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, lUserArea);
        double dShown = Now() - dStart;
        return IsWindowVisible(pFrame->m_pFloatBox->m_hWnd) ? dShown : -1.0;
    };

    std::printf("frame shown\n");
    double dFirst = showBox();
    std::printf("box made\n");
    RunTasks();
    std::printf("first reply\n");
    pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, lBookPlaza);
    PumpFor();
    SIZE_T nBefore = PrivateBytes();
    long nProfilesBefore = CUserProfile::LiveCount();
    std::vector<double> shown;
    int nFailed = 0;
    double dStart = Now();
    for (int i = 0; i < nShowings; ++i) {
        double d = showBox();
        if (d < 0)
            ++nFailed;
        else
            shown.push_back(d);
        PumpFor();
        if (!RunTasks())
            ++nFailed;
        pFrame->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, lBookPlaza);
        PumpFor();
    }
    double dTotal = Now() - dStart;
    SIZE_T nAfter = PrivateBytes();
    std::sort(shown.begin(), shown.end());
    double dMedian = shown.empty() ? 0 : shown[shown.size() / 2];
    double dMax = shown.empty() ? 0 : shown.back();
    std::printf("showings %d (failed %d) in %.2f s, %.2f ms per show/reply/hide\n", nShowings, nFailed, dTotal,
                dTotal * 1000 / nShowings);
    std::printf("hover to shown: first (creates the box) %.2f ms, later median %.3f ms, max %.3f ms\n", dFirst * 1000,
                dMedian * 1000, dMax * 1000);
    std::printf("private memory: before %lu KB, after %lu KB, change %ld KB\n",
                static_cast<unsigned long>(nBefore / 1024), static_cast<unsigned long>(nAfter / 1024),
                static_cast<long>((static_cast<long long>(nAfter) - static_cast<long long>(nBefore)) / 1024));
    std::printf("live profiles: before %ld, after %ld\n", nProfilesBefore, CUserProfile::LiveCount());
    pFrame->DestroyWindow();
    return nFailed ? 2 : 0;
}
