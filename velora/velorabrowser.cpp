#include "velora/velorabrowser.h"

#include "ctrl/dochostsite.h"
#include "ctrl/scriptcaller.h"
#include "framework/trace.h"
#include "net/serviceroot.h"
#include "util/windowmessages.h"
#include "velora/dialoglogin.h"
#include "velora/mainframe.h"
#include "velora/veloraapp.h"

#include <wininet.h>
#include <cstring>
#include <memory>

IMPLEMENT_DYNCREATE(CVeloraBrowser, CFixHtmlView)

namespace {

const char kUserAgentHeader[] = "User-Agent:PC";
const char kBanner[] = "\n\n>>>>>>>>>>>>>>>>>>>>>>>\n";

LONG s_nNavigateParams = 0;

// Script of the service's own pages and frames reaches the methods; a call from any
// other page does nothing.
bool IsCallFromServicePage(CCmdTarget* pTarget, const char* pszMethod)
{
    std::wstring strPage = ScriptCallerPageUrl(static_cast<CVeloraBrowser*>(pTarget)->GetBrowser());
    if (!strPage.empty() && IsServiceRootUrl(strPage.c_str()))
        return true;
    TRACE("CVeloraBrowser::%s > refused for the page \"%ls\"\n", pszMethod, strPage.c_str());
    return false;
}

const CDispatchEntry kBrowserMethods[] = {
    {L"ExecuteLogin", 0,
     [](CCmdTarget* pTarget, const CString*) {
         if (IsCallFromServicePage(pTarget, "ExecuteLogin"))
             static_cast<CVeloraBrowser*>(pTarget)->ExecuteLogin();
     }},
    {L"Download", 1,
     [](CCmdTarget* pTarget, const CString* pArgs) {
         if (IsCallFromServicePage(pTarget, "Download"))
             static_cast<CVeloraBrowser*>(pTarget)->Download(pArgs[0]);
     }},
};
const CDispatchMap kBrowserDispatchMap = {kBrowserMethods, sizeof(kBrowserMethods) / sizeof(kBrowserMethods[0])};

// The page is loaded under the URL it was asked for: the cache has just been purged, so
// a cache-breaking URL would change only what the service and the history see. This is
// the URL such a load would take, for the trace.
CString CacheBreakingUrl(const char* pszUrl)
{
    CString strUrl;
    strUrl.Format(CString(pszUrl).Find('?') > 0 ? "%s&rand_feed=%ld" : "%s?rand_feed=%ld", pszUrl,
                  static_cast<long>(GetTickCount()));
    return strUrl;
}

// The session cookie on the service root; an empty session code (logged out) still
// sets "pc_cookie=".
void SetSessionCookie()
{
    CVeloraApp* pApp = GetVeloraApp();
    CString strSession = pApp ? pApp->m_strSessionCode : CString();
    CString strCookie = CString("pc_cookie=") + strSession;
    TRACE("%sCVeloraBrowser::OnBeforeNavigate2 > Cookie:%s%s", kBanner, strSession.GetString(), kBanner);
    if (!InternetSetCookieA(GetServiceRoot(), NULL, strCookie))
        TRACE("set cookies failed ...\n");
}

} // namespace

CNavigateParams::CNavigateParams()
{
    InterlockedIncrement(&s_nNavigateParams);
}

CNavigateParams::~CNavigateParams()
{
    InterlockedDecrement(&s_nNavigateParams);
}

LONG CNavigateParams::InstanceCount()
{
    return s_nNavigateParams;
}

LRESULT CVeloraBrowser::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DEFERRED_NAVIGATE:
        return OnDeferredNavigate(wParam, lParam);
    }
    return CFixHtmlView::WindowProc(message, wParam, lParam);
}

const CDispatchMap* CVeloraBrowser::GetDispatchMap() const
{
    return &kBrowserDispatchMap;
}

BOOL CVeloraBrowser::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_RBUTTONDOWN || pMsg->message == WM_RBUTTONDBLCLK)
        return TRUE;
    return CFixHtmlView::PreTranslateMessage(pMsg);
}

void CVeloraBrowser::OnBeforeNavigate2(IDispatch* pDisp, const char* lpszURL, DWORD nFlags,
                                       const char* lpszTargetFrameName, CByteArray& baPostedData,
                                       const char* lpszHeaders, BOOL* pbCancel)
{
    PurgeCache();
    CString strHeaders = lpszHeaders;
    if (strHeaders.Find(kUserAgentHeader) < 0) {
        *pbCancel = TRUE;
        if (!strHeaders.IsEmpty())
            strHeaders += "\r\n";
        strHeaders += kUserAgentHeader;
        CNavigateParams* pParams = new CNavigateParams;
        pParams->strUrl = lpszURL;
        pParams->dwFlags = nFlags;
        pParams->strTargetFrame = lpszTargetFrameName;
        pParams->postData.Copy(baPostedData);
        pParams->strHeaders = strHeaders;
        pParams->pFrameBrowser = FrameBrowser(pDisp);
        if (!PostMessage(WM_DEFERRED_NAVIGATE, reinterpret_cast<WPARAM>(pParams), 0))
            delete pParams;
        return;
    }
    SetSessionCookie();
    TRACE("%sCVeloraBrowser::OnBeforeNavigate2 > User-Agent:%s%s", kBanner, strHeaders.GetString(), kBanner);
    TRACE("\n\n***************************\n\n%s\n\n***************************\n\n",
          CacheBreakingUrl(lpszURL).GetString());
    *pbCancel = FALSE;
}

CComPtr<IWebBrowser2> CVeloraBrowser::FrameBrowser(IDispatch* pDisp) const
{
    CComPtr<IWebBrowser2> pBrowser;
    CComPtr<IUnknown> pIdentity, pOwnIdentity;
    if (!pDisp || !GetBrowser() || FAILED(pDisp->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&pBrowser))))
        return CComPtr<IWebBrowser2>();
    pBrowser.QueryInterface(IID_IUnknown, pIdentity);
    GetBrowser()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pOwnIdentity));
    if (pIdentity.Get() == pOwnIdentity.Get())
        return CComPtr<IWebBrowser2>();
    return pBrowser;
}

LRESULT CVeloraBrowser::OnDeferredNavigate(WPARAM wParam, LPARAM)
{
    std::unique_ptr<CNavigateParams> pParams(reinterpret_cast<CNavigateParams*>(wParam));
    if (!pParams)
        return 1;
    if (pParams->pFrameBrowser)
        NavigateBrowser(pParams->pFrameBrowser, pParams->strUrl, pParams->dwFlags, NULL, pParams->strHeaders,
                        pParams->postData.GetData(), static_cast<DWORD>(pParams->postData.GetSize()));
    else
        Navigate2(pParams->strUrl, pParams->dwFlags, pParams->postData, pParams->strTargetFrame, pParams->strHeaders);
    return 1;
}

// Repetitions still waiting in the queue would never be handled now: their records go
// before the browser does.
void CVeloraBrowser::OnDestroy()
{
    MSG msg;
    while (PeekMessageA(&msg, m_hWnd, WM_DEFERRED_NAVIGATE, WM_DEFERRED_NAVIGATE, PM_REMOVE))
        delete reinterpret_cast<CNavigateParams*>(msg.wParam);
    CFixHtmlView::OnDestroy();
}

// Returns to the page when the dialog has closed.
void CVeloraBrowser::ExecuteLogin()
{
    CDialogLogin dlg(NULL);
    dlg.DoModal();
}

void CVeloraBrowser::Download(const char* pszUrl)
{
    size_t nLength = strlen(pszUrl);
    char* pszCopy = new char[nLength + 1]();
    memcpy(pszCopy, pszUrl, nLength + 1);
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (!pFrame || !pFrame->m_wndStatusBar.m_hWnd) {
        delete[] pszCopy;
        return;
    }
    // From here the status bar owns the copy.
    pFrame->m_wndStatusBar.SendMessage(WM_DOWNLOAD_START, 0, reinterpret_cast<LPARAM>(pszCopy));
}
