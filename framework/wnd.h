#ifndef FRAMEWORK_WND_H
#define FRAMEWORK_WND_H
// A window object over one window handle. Each class handles its messages in its own
// WindowProc (a switch) and passes the rest to its base; what no class handles reaches
// DefWindowProc, which a class may override to see every such message. Windows are
// attached at creation (CCreationHook) and found again through CHandleMap only.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"

struct CCreateContext;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = NULL;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to hWnd, or NULL.
    static CWnd* FromHandlePermanent(HWND hWnd);

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    BOOL CreateEx(DWORD dwExStyle, const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    virtual BOOL Create(const char* lpszClassName, const char* lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    BOOL DestroyWindow();
    // After a failed creation on this thread: TRUE when a window had been made (and
    // destroyed again), so an object that deletes itself with its window is gone.
    static BOOL LastCreateAttached();

    // Enters hWnd in the handle map and routes its messages to this object; the
    // window's previous procedure does its default processing.
    BOOL Attach(HWND hWnd);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();
    // Called by the framework's message loops for each message of this window or of a
    // descendant, before it is dispatched; TRUE when it was handled here.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to the objects of its window and its ancestors up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void SetWindowText(const char* lpszString);
    CString GetWindowText() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (handle detached); windows the framework
    // allocates delete themselves here.
    virtual void PostNcDestroy();

    // The default window class of the framework, registered on first use.
    static const char* DefaultClassName();

    WNDPROC m_pfnSuper = NULL;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFinalDestroy();
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
