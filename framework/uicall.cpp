#include "framework/uicall.h"

#include "framework/trace.h"

#include <atomic>

namespace {

const UINT WM_UI_CALL = WM_APP + 0x3F00;
const char kClassName[] = "AfxUiCall";

std::atomic<HWND> s_hWnd{NULL};

} // namespace

LRESULT CALLBACK CUiCall::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_UI_CALL)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    auto* pFn = reinterpret_cast<const std::function<void()>*>(lParam);
    try {
        (*pFn)();
    } catch (...) {
        TRACE("%s", "exception in a call on the UI thread\n");
    }
    return 1;
}

BOOL CUiCall::CreateWindowForThread()
{
    if (s_hWnd.load())
        return TRUE;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, kClassName, NULL, 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
    s_hWnd.store(hWnd);
    return hWnd != NULL;
}

void CUiCall::DestroyWindowForThread()
{
    HWND hWnd = s_hWnd.exchange(NULL);
    if (!hWnd)
        return;
    DestroyWindow(hWnd);
    // Deliver calls that were already waiting: they reach a window that no longer
    // exists, so their senders get 0 (not run) instead of waiting on.
    MSG msg;
    PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
}

BOOL CUiCall::Call(const std::function<void()>& fn)
{
    HWND hWnd = s_hWnd.load();
    if (!hWnd)
        return FALSE;
    if (GetWindowThreadProcessId(hWnd, NULL) == GetCurrentThreadId())
        return WndProc(hWnd, WM_UI_CALL, 0, reinterpret_cast<LPARAM>(&fn)) == 1;
    return SendMessageA(hWnd, WM_UI_CALL, 0, reinterpret_cast<LPARAM>(&fn)) == 1;
}

BOOL CUiCall::IsUiThread()
{
    HWND hWnd = s_hWnd.load();
    return hWnd && GetWindowThreadProcessId(hWnd, NULL) == GetCurrentThreadId();
}
