#include "framework/thread.h"

namespace {

struct CThreadStart {
    AFX_THREADPROC pfnThreadProc;
    LPVOID pParam;
};

DWORD WINAPI ThreadEntry(LPVOID pStart)
{
    CThreadStart start = *static_cast<CThreadStart*>(pStart);
    delete static_cast<CThreadStart*>(pStart);
    try {
        return start.pfnThreadProc(start.pParam);
    } catch (...) {
        return 1;
    }
}

} // namespace

DWORD AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize)
{
    if (!pfnThreadProc)
        return 0;
    CThreadStart* pStart = new CThreadStart{pfnThreadProc, pParam};
    DWORD dwThreadId = 0;
    // Suspended first so the priority holds from the procedure's first instruction.
    HANDLE hThread = CreateThread(NULL, nStackSize, ThreadEntry, pStart, CREATE_SUSPENDED, &dwThreadId);
    if (!hThread) {
        delete pStart;
        return 0;
    }
    SetThreadPriority(hThread, nPriority);
    ResumeThread(hThread);
    CloseHandle(hThread);
    return dwThreadId;
}
