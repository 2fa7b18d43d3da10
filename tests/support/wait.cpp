#include "tests/support/wait.h"

namespace {

PumpFilter g_pfnFilter = nullptr;

void DispatchQueued()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (!g_pfnFilter || !g_pfnFilter(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD dwTimeoutMs, DWORD dwPollMs)
{
    DWORD dwStart = GetTickCount();
    while (!done()) {
        if (GetTickCount() - dwStart >= dwTimeoutMs)
            return done();
        Sleep(dwPollMs);
    }
    return true;
}

bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        DispatchQueued();
        if (done())
            return true;
        if (GetTickCount() - dwStart >= dwTimeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(DWORD dwMs)
{
    PumpUntil([] { return false; }, dwMs);
}

void SetPumpFilter(PumpFilter pfnFilter)
{
    g_pfnFilter = pfnFilter;
}
