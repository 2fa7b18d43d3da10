#include "framework/creationhook.h"

#include "framework/wnd.h"

namespace {

thread_local CWnd* t_pWndInit = NULL;
thread_local HHOOK t_hHook = NULL;
thread_local int t_nDepth = 0;
thread_local CCreationHook* t_pScope = NULL;

} // namespace

CCreationHook::CCreationHook(CWnd* pWnd) : m_pPrevious(t_pWndInit), m_pOuter(t_pScope)
{
    t_pScope = this;
    if (t_nDepth++ == 0)
        t_hHook = SetWindowsHookExA(WH_CBT, HookProc, NULL, GetCurrentThreadId());
    t_pWndInit = pWnd;
}

CCreationHook::~CCreationHook()
{
    t_pWndInit = m_pPrevious;
    t_pScope = m_pOuter;
    if (--t_nDepth == 0 && t_hHook) {
        UnhookWindowsHookEx(t_hHook);
        t_hHook = NULL;
    }
}

LRESULT CALLBACK CCreationHook::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pWndInit) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = NULL;
        t_pScope->m_bTaken = pWnd->Attach(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(t_hHook, nCode, wParam, lParam);
}
