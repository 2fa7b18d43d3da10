#ifndef FRAMEWORK_CREATIONHOOK_H
#define FRAMEWORK_CREATIONHOOK_H
// Attaches a window to its CWnd before the window's first message.
//
// Design note: a thread-local CBT hook is installed around CreateWindowEx and dialog
// creation. The system calls it with HCBT_CREATEWND before it sends WM_GETMINMAXINFO,
// WM_NCCREATE, WM_NCCALCSIZE or WM_CREATE; the hook hands the new handle to the object
// waiting in this thread's "window being created" slot, which enters it in the handle map
// and subclasses it. Only the first window created inside the scope is taken, so child
// windows a control creates for itself stay unattached. Scopes nest (a frame creates its
// panes inside its own WM_CREATE).
#include <windows.h>

class CWnd;

class CCreationHook {
public:
    explicit CCreationHook(CWnd* pWnd);
    ~CCreationHook();
    // The window created inside this scope was attached to its object.
    BOOL WasTaken() const { return m_bTaken; }
    CCreationHook(const CCreationHook&) = delete;
    CCreationHook& operator=(const CCreationHook&) = delete;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    CWnd* m_pPrevious;
    CCreationHook* m_pOuter;
    BOOL m_bTaken = FALSE;
};

#endif
