#include "tests/support/clientframe.h"

#include "framework/uicall.h"
#include "velora/resource.h"

namespace {

CVeloraApp theApp;

} // namespace

CVeloraApp& ClientApp()
{
    return theApp;
}

CMainFrame* ClientFrame()
{
    static CMainFrame* s_pFrame = [] {
        AfxOleInit();
        CUiCall::CreateWindowForThread();
        CMainFrame* pFrame = new CMainFrame;
        pFrame->m_bStarted = TRUE;
        if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL))
            return static_cast<CMainFrame*>(nullptr);
        theApp.m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        return pFrame;
    }();
    return s_pFrame;
}

bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (!theApp.PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (done())
            return true;
        if (GetTickCount() - dwStart >= dwTimeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD dwMs)
{
    PumpUntil([] { return false; }, dwMs);
}
