#ifndef FRAMEWORK_HTMLVIEW_H
#define FRAMEWORK_HTMLVIEW_H
// A view that is the system's WebBrowser control.
//
// Design note: the view creates a control site (CreateControlSite, so a derived view
// can put in a site that answers the browser's host questions), the site creates and
// activates the control, and an event sink connected to DWebBrowserEvents2 turns the
// browser's events into virtual calls. The On...-hooks of the host's UI are called by
// such a site; the defaults let the browser do what it would do alone.
// Teardown, in OnDestroy, runs in this order: the sink is disconnected and forgets the
// view (the browser fires no more events at it); the browser interface is released;
// the site closes the control (deactivates it and takes itself out of the control) and
// forgets the window; the view's reference to the site goes. The site and the sink are
// reference-counted heap objects, so a reference the browser still holds keeps only
// that object, never the view.
#include "framework/bytearray.h"
#include "framework/comptr.h"
#include "framework/olecontrolsite.h"
#include "framework/view.h"

#include <exdisp.h>
#include <mshtmhst.h>

class CHtmlEventSink;

class CHtmlView : public CView {
    DECLARE_DYNAMIC(CHtmlView)
public:
    // Navigates the page or, with lpszTargetFrameName, that frame. lpszHeaders are
    // request-header lines; post data makes the request a POST.
    BOOL Navigate2(const char* lpszURL, DWORD dwFlags = 0, const char* lpszTargetFrameName = NULL,
                   const char* lpszHeaders = NULL, const void* lpvPostData = NULL, DWORD dwPostDataLen = 0);
    BOOL Navigate2(const char* lpszURL, DWORD dwFlags, const CByteArray& baPostedData,
                   const char* lpszTargetFrameName = NULL, const char* lpszHeaders = NULL);
    // The same for any browser object (the page's or one of its frames').
    static HRESULT NavigateBrowser(IWebBrowser2* pBrowser, const char* lpszURL, DWORD dwFlags,
                                   const char* lpszTargetFrameName, const char* lpszHeaders, const void* lpvPostData,
                                   DWORD dwPostDataLen);
    // The control's automation interface (no reference added); NULL without a control.
    IWebBrowser2* GetBrowser() const { return m_pBrowser.Get(); }
    // The control's site (no reference added); NULL without a control.

    // Before every navigation of the page or of a frame: pDisp is the browser object of
    // the page or frame that navigates; *pbCancel TRUE stops the navigation.
    virtual void OnBeforeNavigate2(IDispatch* pDisp, const char* lpszURL, DWORD nFlags, const char* lpszTargetFrameName,
                                   CByteArray& baPostedData, const char* lpszHeaders, BOOL* pbCancel);

    // Host UI: the browser's questions to its host, as a site passes them on.
    virtual HRESULT OnGetHostInfo(DOCHOSTUIINFO* pInfo);
    virtual HRESULT OnShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved);
    virtual HRESULT OnShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                             IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc);
    virtual HRESULT OnHideUI();
    virtual HRESULT OnUpdateUI();
    virtual HRESULT OnEnableModeless(BOOL fEnable);
    virtual HRESULT OnDocWindowActivate(BOOL fActivate);
    virtual HRESULT OnFrameWindowActivate(BOOL fActivate);
    virtual HRESULT OnResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow);
    virtual HRESULT OnTranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID);
    virtual HRESULT OnGetOptionKeyPath(LPOLESTR* pchKey, DWORD dw);
    virtual HRESULT OnGetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget);
    // The page's window.external; none by default.
    virtual HRESULT OnGetExternal(IDispatch** ppDispatch);
    virtual HRESULT OnTranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut);
    virtual HRESULT OnFilterDataObject(IDataObject* pDO, IDataObject** ppDORet);
    // A script message box (alert, confirm); S_FALSE lets the browser show it.
    virtual HRESULT OnShowMessage(HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType,
                                  LPOLESTR lpstrHelpFile, DWORD dwHelpContext, LRESULT* plResult);

    // Keyboard messages for the page go to the browser's own key handling.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Deactivated, the view keeps the window inside the browser that holds the focus.
    void OnActivateFrame(UINT nState) override;

protected:
    CHtmlView() = default;
    // The site for the control: a new site with one reference, the caller's, in *ppSite.
    virtual BOOL CreateControlSite(COleControlSite** ppSite);
    void OnDraw(HDC hDC) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnDestroy() override;
    // Gives the focus back to the window inside the browser that had it last, else to
    // the browser itself.
    void OnSetFocus(HWND hOldWnd) override;

private:
    friend class CHtmlEventSink;
    void FireBeforeNavigate2(DISPPARAMS* pParams);
    BOOL CreateBrowser();
    void ConnectEvents();

    CComPtr<COleControlSite> m_pSite;
    CComPtr<IWebBrowser2> m_pBrowser;
    CComPtr<IConnectionPoint> m_pEventPoint;
    CHtmlEventSink* m_pSink = NULL;
    DWORD m_dwEventCookie = 0;
    HWND m_hWndFocusChild = NULL;
};

#endif
