#ifndef FRAMEWORK_FRAMEWND_H
#define FRAMEWORK_FRAMEWND_H
// A top-level frame: a document's window holding a client window (a view or a
// splitter, id AFX_IDW_PANE_FIRST) and optionally a status bar (id AFX_IDW_STATUS_BAR)
// along its bottom. Frames are allocated by the document template and delete
// themselves, closing their document, when their window is gone.
#include "framework/afxres.h"
#include "framework/wnd.h"

#include <shellapi.h>

class CDocument;
class CView;

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    // Title, icon and window class from resource nIDResource; pContext goes to
    // OnCreateClient.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext);
    // Lets the views know their document is loaded; shows the frame when bMakeVisible.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Places the status bar at the bottom and the client window in the rest.
    virtual void RecalcLayout();
    CDocument* GetActiveDocument() const { return m_pDocument; }
    // The view holding the keyboard focus, else the active view (see SetActiveView), else
    // the view in the first pane's place (a splitter there gives its own first pane);
    // NULL when there is none.
    CView* GetActiveView() const;
    // The view that gets the keyboard focus whenever the frame gets it (activated, or a
    // box or dialog over it closed). Deactivating the frame makes the view that holds
    // the focus then the active one.
    void SetActiveView(CView* pView);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Offers a command to the active view, the frame, its document and the application.
    BOOL OnCmdMsg(UINT nID) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CDocument* m_pDocument = NULL;

protected:
    CFrameWnd() = default;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    // The client area's windows; the base makes one view of the context's view class.
    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
    void PostNcDestroy() override;
    virtual void OnClose();
    virtual void OnEnable(BOOL bEnable);
    // Files dropped on the frame (it accepts them with DragAcceptFiles): the first opens as
    // the application's document.
    virtual void OnDropFiles(HDROP hDropInfo);
    // Tells the active view first (CView::OnActivateFrame).
    virtual void OnActivate(UINT nState);
    // Hands the focus on to the active view.
    void OnSetFocus(HWND hOldWnd) override;
    // The main frame closes when the session ends (bEnding), see the definition.
    virtual void OnEndSession(BOOL bEnding);

    UINT m_nIDResource = 0;

private:
    BOOL m_bClosePending = FALSE;
    // A handle, not the object: a view that is gone is simply not found.
    HWND m_hWndActiveView = NULL;
    // The view whose window is hWnd or holds it, inside this frame; NULL when none.
    CView* ViewHolding(HWND hWnd) const;
    static const char* FrameClassName(UINT nIDResource);
    void UpdateFrameTitle();
};

#endif
