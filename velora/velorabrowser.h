#ifndef VELORA_VELORABROWSER_H
#define VELORA_VELORABROWSER_H
// The right pane of the main frame's splitter: the browser that shows the service's
// pages. Before every navigation it clears the service's pages from the platform's
// caches; a navigation without the client's "User-Agent:PC" header is cancelled and
// made again, once the message loop runs, with the header added and the session
// cookie set. Script of the service's own pages and frames reaches ExecuteLogin and
// Download as window.external's methods (a script engine that names no calling window
// is judged by the page the browser shows); right-button presses never reach the page.
#include "ctrl/fixhtmlview.h"
#include "framework/autoobject.h"
#include "framework/object.h"

// A cancelled navigation on its way to its repetition (WM_DEFERRED_NAVIGATE).
struct CNavigateParams {
    CNavigateParams();
    ~CNavigateParams();
    CNavigateParams(const CNavigateParams&) = delete;
    CNavigateParams& operator=(const CNavigateParams&) = delete;

    CString strUrl;
    DWORD dwFlags = 0;
    CString strTargetFrame; // empty for the page
    CByteArray postData;
    CString strHeaders; // with "User-Agent:PC"
    // The frame's browser object when a frame navigated, so that the repetition stays
    // in that frame; NULL for the page itself.
    CComPtr<IWebBrowser2> pFrameBrowser;

    // Records alive in this process.
    static LONG InstanceCount();
};

class CVeloraBrowser : public CFixHtmlView {
    DECLARE_DYNCREATE(CVeloraBrowser)
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnBeforeNavigate2(IDispatch* pDisp, const char* lpszURL, DWORD nFlags, const char* lpszTargetFrameName,
                           CByteArray& baPostedData, const char* lpszHeaders, BOOL* pbCancel) override;
    const CDispatchMap* GetDispatchMap() const override;

    // Page script's methods.
    virtual void ExecuteLogin();
    // Hands a copy of pszUrl to the main frame's status bar, which asks where to save it.
    virtual void Download(const char* pszUrl);

    // The cache clearing done before every navigation.
    static void PurgeCache();
    // The URL-cache entries of the service's ".aspx" pages; cookie entries stay.
    static void DeleteUrlCacheEntries();
    // Every file and folder below strFolder but the files named "desktop.ini" (and the
    // folders holding one). A link (reparse point) is removed itself: what it points
    // to is never entered.
    static void DeleteFolderContents(const CString& strFolder);

protected:
    CVeloraBrowser() = default;
    void OnDestroy() override;

private:
    LRESULT OnDeferredNavigate(WPARAM wParam, LPARAM lParam);
    // pDisp's browser when it is a frame's, NULL when it is this view's own.
    CComPtr<IWebBrowser2> FrameBrowser(IDispatch* pDisp) const;
};

#endif
