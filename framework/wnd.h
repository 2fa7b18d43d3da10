#ifndef FRAMEWORK_WND_H
#define FRAMEWORK_WND_H
// A window object over one window handle.
//
// Design note: system messages are unpacked once, in CWnd::WindowProc, into virtual OnX
// members whose default is the window's default processing (Default()). A class handles
// its own messages (the program's WM_USER ones) in its WindowProc switch and passes the
// rest to its base. Control notifications (WM_COMMAND from a control, WM_NOTIFY,
// WM_DRAWITEM, WM_CTLCOLOR*) are offered to the control's own object (OnChildNotify)
// when the parent's handler leaves them to the base, so a control's logic lives in the
// control's class and a parent that handles one itself still wins. What no class
// handles reaches DefWindowProc, which a class may override to see every such message.
// Windows are attached at creation (CCreationHook) or by subclassing an existing one
// (SubclassWindow, SubclassDlgItem); both go through Attach, the only way into
// CHandleMap.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"

struct CCreateContext;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = NULL;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to hWnd, or NULL.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The attached object or, for a window without one, a wrapper that this thread keeps
    // while the window lives (it does not subclass the window). NULL for NULL.
    static CWnd* FromHandle(HWND hWnd);

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
    // window's previous procedure does its default processing. Calls PreSubclassWindow.
    BOOL Attach(HWND hWnd);
    BOOL SubclassWindow(HWND hWnd) { return Attach(hWnd); }
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

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
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void SetWindowText(const char* lpszString);
    CString GetWindowText() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void DragAcceptFiles(BOOL bAccept = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;
    CWnd* SetFocus();
    HFONT GetFont() const;
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A message box owned by this window, captioned with the application's title
    // unless lpszCaption is given.
    int MessageBox(const char* lpszText, const char* lpszCaption = NULL, UINT nType = MB_OK);

protected:
    // Called by Attach before the window's messages reach this object's handlers.
    virtual void PreSubclassWindow();
    // A notification from this control to its parent, offered back to the control;
    // TRUE when the control handled it (its result in *pResult).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    virtual int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    virtual void OnDestroy();
    virtual void OnSize(UINT nType, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(HDC hDC);
    virtual void OnMouseMove(UINT nFlags, POINT point);
    virtual void OnLButtonDown(UINT nFlags, POINT point);
    virtual void OnMouseLeave();
    // The window has the keyboard focus now; hOldWnd had it before (or NULL).
    virtual void OnSetFocus(HWND hOldWnd);
    virtual BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    virtual void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    virtual LRESULT OnNcHitTest(POINT point);
    virtual void OnNcLButtonDown(UINT nHitTest, POINT point);
    virtual void OnNcMouseMove(UINT nHitTest, POINT point);
    virtual void OnNcMouseLeave();
    virtual void OnTimer(UINT_PTR nIDEvent);
    // nCtlColor: CTLCOLOR_EDIT, CTLCOLOR_STATIC, ... The base offers it to the control.
    virtual HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor);
    // TRUE when handled, with the result in *pResult. The base offers it to the control.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    // A command from a menu, an accelerator (hWndCtl NULL) or a control (nCode its
    // notification). TRUE when handled; the base offers a control's command to the
    // control, then a menu's to the command targets.
    virtual BOOL OnCommand(UINT nID, UINT nCode, HWND hWndCtl);
    // Called after the window is gone (handle detached); windows the framework
    // allocates delete themselves here.
    virtual void PostNcDestroy();

    // Offers a control's notification to the control's object.
    static BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper = NULL;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFinalDestroy();
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
