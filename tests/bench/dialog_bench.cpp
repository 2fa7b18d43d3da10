// Opens and closes each account dialog N times with everything painted, beside a plain
// message box: the time from the open call to the window fully painted, and the private
// memory before and after the N rounds.
// Usage: dialog_bench [N]

#include "tests/bench/benchtools.h"
#include "tests/support/dialogclient.h"
#include "velora/dialoglogin.h"
#include "velora/dialogregister.h"
#include "velora/dialogset.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double g_tPainted = 0;

// A thread timer comes only when no paint is pending: every window of the new dialog
// or box has been painted by then. It notes the time and closes what is open.
void CALLBACK OnPainted(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    KillTimer(NULL, nIDEvent);
    g_tPainted = Now();
    PostMessageA(GetActiveWindow(), WM_CLOSE, 0, 0);
}

// Milliseconds from the call that opens the window to the window painted.
double OpenAndClose(const std::function<void()>& open)
{
    double t0 = Now();
    SetTimer(NULL, 0, 0, OnPainted);
    open();
    return (g_tPainted - t0) * 1000;
}

void Measure(const char* pszName, int nRounds, const std::function<void()>& open)
{
    OpenAndClose(open); // the first opening loads what every later one shares
    SIZE_T nBefore = PrivateBytes();
    std::vector<double> times;
    for (int i = 0; i < nRounds; ++i)
        times.push_back(OpenAndClose(open));
    SIZE_T nAfter = PrivateBytes();
    std::sort(times.begin(), times.end());
    printf("%-12s median %6.1f ms  p90 %6.1f ms  private memory %+8.1f KB after %d rounds\n", pszName,
           times[times.size() / 2], times[times.size() * 9 / 10], (double(nAfter) - double(nBefore)) / 1024, nRounds);
}

template <class TDialog> void OpenModal()
{
    TDialog dlg(NULL);
    dlg.DoModal();
}

} // namespace

int main(int argc, char** argv)
{
    int nRounds = argc > 1 ? atoi(argv[1]) : 200;
    if (nRounds < 1 || !DialogClient::Start()) {
        fprintf(stderr, "usage: dialog_bench [rounds]\n");
        return 1;
    }
    Measure("message box", nRounds, [] { MessageBoxA(NULL, "text", "caption", MB_OK); });
    Measure("login", nRounds, OpenModal<CDialogLogin>);
    Measure("register", nRounds, OpenModal<CDialogRegister>);
    Measure("settings", nRounds, OpenModal<CDialogSet>);
    return 0;
}
