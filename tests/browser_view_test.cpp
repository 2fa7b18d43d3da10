// The browser pane inside a client: the navigation hook against the stand-in, the host
// site's answers as the browser would ask for them, page script's external methods.

#include "ctrl/dochostsite.h"
#include "net/serviceroot.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/clientframe.h"
#include "tests/support/standin.h"
#include "velora/velorabrowser.h"

#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <string>
#include <vector>

namespace {

const char kPagePath[] = "/pages/p.aspx";
const DWORD kRequestTimeoutMs = 15000;

// A browser view that keeps what its navigation hook saw and counts login requests.
class CRecordingBrowser : public CVeloraBrowser {
public:
    struct CCall {
        std::string url, target, headers, post;
        bool bCancelled;
    };
    void OnBeforeNavigate2(IDispatch* pDisp, const char* lpszURL, DWORD nFlags, const char* lpszTargetFrameName,
                           CByteArray& baPostedData, const char* lpszHeaders, BOOL* pbCancel) override
    {
        CVeloraBrowser::OnBeforeNavigate2(pDisp, lpszURL, nFlags, lpszTargetFrameName, baPostedData, lpszHeaders,
                                          pbCancel);
        std::string post(reinterpret_cast<const char*>(baPostedData.GetData()),
                         static_cast<size_t>(baPostedData.GetSize()));
        calls.push_back({lpszURL, lpszTargetFrameName, lpszHeaders, post, *pbCancel != FALSE});
    }
    void ExecuteLogin() override { ++nLogins; }
    void Download(const char* pszUrl) override { downloads.push_back(pszUrl); }

    std::vector<CCall> calls;
    int nLogins = 0;
    std::vector<std::string> downloads;
};

// A top-level window holding recording browsers; they go with it.
class CBrowserHost {
public:
    CBrowserHost()
    {
        m_host.CreateEx(0, NULL, "browser host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 300, NULL, NULL);
    }
    CRecordingBrowser* Add()
    {
        auto* pBrowser = new CRecordingBrowser;
        RECT rc = {0, 0, 400, 300};
        if (!pBrowser->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rc, &m_host, 100 + m_nViews++)) {
            if (!CWnd::LastCreateAttached())
                delete pBrowser;
            return nullptr;
        }
        return pBrowser;
    }
    CWnd& Window() { return m_host; }

private:
    CWnd m_host;
    int m_nViews = 0;
};

std::vector<CReceivedRequest> WaitForRequests(const char* pszPath, size_t n)
{
    std::vector<CReceivedRequest> requests;
    PumpUntil([&] { return (requests = StandIn::Requests(pszPath)).size() >= n; }, kRequestTimeoutMs);
    return requests;
}

std::string PageUrl()
{
    return StandIn::Root() + kPagePath;
}

class BrowserView : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, ClientFrame());
        ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
        ClientApp().m_strSessionCode.Empty();
        m_pBrowser = m_host.Add();
        ASSERT_NE(nullptr, m_pBrowser);
        ASSERT_NE(nullptr, m_pBrowser->GetBrowser());
    }
    // Lets a navigation run its course: the repetition, the request, the browser's
    // answer to it.
    static void Settle() { PumpFor(1500); }

    CBrowserHost m_host;
    CRecordingBrowser* m_pBrowser = nullptr;
};

} // namespace

TEST_F(BrowserView, EveryNavigationIsRepeatedOnceWithTheClientHeader)
{
    struct {
        const char* pszHeaders;
        const char* pszRepeated;
        const char* pszCustomValue; // the "X" header on the wire
    } cases[] = {
        {NULL, "User-Agent:PC", ""},
        {"X: y", "X: y\r\nUser-Agent:PC", "y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszRepeated);
        ASSERT_TRUE(StandIn::Reset());
        m_pBrowser->calls.clear();
        ASSERT_TRUE(m_pBrowser->Navigate2(PageUrl().c_str(), 0, NULL, c.pszHeaders));
        std::vector<CReceivedRequest> requests = WaitForRequests(kPagePath, 1);
        Settle();
        requests = StandIn::Requests(kPagePath);
        ASSERT_EQ(1u, requests.size());
        EXPECT_EQ("GET", requests[0].method);
        // Wine joins a header without a line break to the next one on the wire.
        EXPECT_EQ(0u, requests[0].Header("User-Agent").find("PC"));
        EXPECT_EQ(c.pszCustomValue, requests[0].Header("X"));

        ASSERT_EQ(2u, m_pBrowser->calls.size());
        EXPECT_TRUE(m_pBrowser->calls[0].bCancelled);
        EXPECT_EQ(c.pszHeaders ? c.pszHeaders : "", m_pBrowser->calls[0].headers);
        EXPECT_FALSE(m_pBrowser->calls[1].bCancelled);
        EXPECT_EQ(c.pszRepeated, m_pBrowser->calls[1].headers);
        EXPECT_EQ(PageUrl(), m_pBrowser->calls[1].url);
    }
}

TEST_F(BrowserView, RepeatedNavigationCarriesTheSessionCookie)
{
    ASSERT_TRUE(m_pBrowser->Navigate2(PageUrl().c_str()));
    std::vector<CReceivedRequest> requests = WaitForRequests(kPagePath, 1);
    ASSERT_EQ(1u, requests.size());
    // Logged out: the cookie has an empty value, which Wine writes without its "=".
    std::string strCookie = requests[0].Header("Cookie");
    EXPECT_TRUE(strCookie == "pc_cookie=" || strCookie == "pc_cookie") << strCookie;

    Settle();
    ClientApp().m_strSessionCode = "S-42";
    ASSERT_TRUE(m_pBrowser->Navigate2(PageUrl().c_str()));
    requests = WaitForRequests(kPagePath, 2);
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("pc_cookie=S-42", requests[1].Header("Cookie"));
}

// Wine's browser hands its navigation event a copy of the array's descriptor in place
// of the posted bytes, so the hook is given the form's navigation here as the browser
// should give it.
TEST_F(BrowserView, FormPostIsRepeatedWithItsBody)
{
    const std::string body = "user=a&note=%E6%97%85&";
    CByteArray post;
    post.Assign(body.data(), static_cast<INT_PTR>(body.size()));
    BOOL bCancel = FALSE;
    m_pBrowser->OnBeforeNavigate2(m_pBrowser->GetBrowser(), PageUrl().c_str(), 0, "", post,
                                  "Content-Type: application/x-www-form-urlencoded", &bCancel);
    EXPECT_TRUE(bCancel);
    std::vector<CReceivedRequest> requests = WaitForRequests(kPagePath, 1);
    Settle();
    requests = StandIn::Requests(kPagePath);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("POST", requests[0].method);
    EXPECT_EQ(body, requests[0].body);
    EXPECT_EQ(0u, requests[0].Header("User-Agent").find("PC"));
    ASSERT_EQ(2u, m_pBrowser->calls.size());
    EXPECT_EQ("Content-Type: application/x-www-form-urlencoded\r\nUser-Agent:PC", m_pBrowser->calls[1].headers);
}

TEST_F(BrowserView, NavigationThatCarriesTheHeaderIsNotRepeated)
{
    ASSERT_TRUE(m_pBrowser->Navigate2(PageUrl().c_str(), 0, NULL, "Accept-Language: zh\r\nUser-Agent:PC"));
    std::vector<CReceivedRequest> requests = WaitForRequests(kPagePath, 1);
    Settle();
    EXPECT_EQ(1u, StandIn::Requests(kPagePath).size());
    ASSERT_EQ(1u, m_pBrowser->calls.size());
    EXPECT_FALSE(m_pBrowser->calls[0].bCancelled);
}

// A frame's navigation is raised with the frame's own browser object: here a second
// browser stands for the frame of the first.
TEST_F(BrowserView, FrameNavigationIsRepeatedInItsFrame)
{
    CRecordingBrowser* pFrame = m_host.Add();
    ASSERT_NE(nullptr, pFrame);
    CByteArray noPost;
    BOOL bCancel = FALSE;
    m_pBrowser->OnBeforeNavigate2(pFrame->GetBrowser(), PageUrl().c_str(), 0, "", noPost, "", &bCancel);
    EXPECT_TRUE(bCancel);
    std::vector<CReceivedRequest> requests = WaitForRequests(kPagePath, 1);
    Settle();
    ASSERT_EQ(1u, StandIn::Requests(kPagePath).size());
    EXPECT_EQ(0u, requests[0].Header("User-Agent").find("PC"));
    EXPECT_EQ(1u, m_pBrowser->calls.size());
    ASSERT_EQ(1u, pFrame->calls.size());
    EXPECT_EQ("User-Agent:PC", pFrame->calls[0].headers);
    EXPECT_FALSE(pFrame->calls[0].bCancelled);
}

TEST_F(BrowserView, RepetitionStillQueuedIsFreedWithTheView)
{
    LONG nBefore = CNavigateParams::InstanceCount();
    ASSERT_TRUE(m_pBrowser->Navigate2(PageUrl().c_str()));
    EXPECT_EQ(nBefore + 1, CNavigateParams::InstanceCount());
    m_pBrowser->DestroyWindow();
    m_pBrowser = nullptr;
    EXPECT_EQ(nBefore, CNavigateParams::InstanceCount());
    Settle();
    EXPECT_TRUE(StandIn::Requests(kPagePath).empty());
}

TEST_F(BrowserView, SecurityManagerAllowsControlsAndScriptsOnlyOnServicePages)
{
    CComPtr<IServiceProvider> pProvider = SiteInterface<IServiceProvider>(m_pBrowser, IID_IServiceProvider);
    ASSERT_NE(nullptr, pProvider.Get());
    CComPtr<IInternetSecurityManager> pManager;
    ASSERT_EQ(S_OK, pProvider->QueryService(IID_IInternetSecurityManager, IID_IInternetSecurityManager,
                                            reinterpret_cast<void**>(&pManager)));
    ASSERT_NE(nullptr, pManager.Get());

    const std::string root = StandIn::Root();
    const HRESULT kDefault = INET_E_DEFAULT_ACTION;
    struct {
        std::string url;
        DWORD dwAction;
        DWORD cbPolicy;
        HRESULT hr;
        bool bWritten;
    } cases[] = {
        {root + "/pages/a.aspx", 0x1400, 4, S_OK, true},     // run script
        {root + "/pages/a.aspx", 0x1400, 2, S_FALSE, false}, // buffer too small
        {root, 0x1200, 4, S_OK, true},                       // run an ActiveX control
        {root + "/", 0x15FF, 4, S_OK, true},
        {root + "/pages/a.aspx", 0x1C00, 4, kDefault, false}, // applet permissions
        {root + "/pages/a.aspx", 0x1605, 4, kDefault, false},
        {root + "/pages/a.aspx", 0x1601, 4, kDefault, false}, // form submission
        {"http://ads.example.com/a.aspx", 0x1400, 4, kDefault, false},
        {root + "0/a.aspx", 0x1400, 4, kDefault, false}, // another port
        {root + ".example.com/", 0x1200, 4, kDefault, false},
        {root + "@ads.example.com/", 0x1200, 4, kDefault, false},
        {"https" + root.substr(4) + "/", 0x1400, 4, kDefault, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url + " " + std::to_string(c.dwAction));
        BYTE policy[4] = {0xAA, 0xAA, 0xAA, 0xAA};
        std::wstring url(c.url.begin(), c.url.end());
        EXPECT_EQ(c.hr, pManager->ProcessUrlAction(url.c_str(), c.dwAction, policy, c.cbPolicy, NULL, 0, 0, 0));
        const BYTE kAllow[4] = {0, 0, 0, 0}, kUntouched[4] = {0xAA, 0xAA, 0xAA, 0xAA};
        EXPECT_EQ(0, memcmp(policy, c.bWritten ? kAllow : kUntouched, 4));
    }
}

TEST_F(BrowserView, ServiceProviderHandsOutOnlyTheSecurityManager)
{
    CComPtr<IServiceProvider> pProvider = SiteInterface<IServiceProvider>(m_pBrowser, IID_IServiceProvider);
    ASSERT_NE(nullptr, pProvider.Get());
    const struct {
        const GUID* pService;
        const IID* pIid;
    } refused[] = {
        {&IID_IInternetSecurityManager, &IID_IUnknown},
        {&IID_IUnknown, &IID_IInternetSecurityManager},
        {&IID_IOleClientSite, &IID_IOleClientSite},
    };
    for (const auto& c : refused) {
        void* pObject = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, pProvider->QueryService(*c.pService, *c.pIid, &pObject));
        EXPECT_EQ(nullptr, pObject);
    }
}

TEST_F(BrowserView, HostIsADialogWithoutBorderThroughBothHandlerIds)
{
    for (const IID* pIid : {&IID_IDocHostUIHandler, &IID_DocHostUIHandler2}) {
        CComPtr<IDocHostUIHandler> pHandler = SiteInterface<IDocHostUIHandler>(m_pBrowser, *pIid);
        ASSERT_NE(nullptr, pHandler.Get());
        DOCHOSTUIINFO info = {};
        EXPECT_EQ(S_OK, pHandler->GetHostInfo(&info));
        EXPECT_EQ(5u, info.dwFlags);
        EXPECT_EQ(sizeof(void*) == 4 ? 20u : sizeof(DOCHOSTUIINFO), info.cbSize);
    }
    CComPtr<IDocHostUIHandler2> pHandler2 = SiteInterface<IDocHostUIHandler2>(m_pBrowser, IID_DocHostUIHandler2);
    ASSERT_NE(nullptr, pHandler2.Get());
    LPOLESTR pszKey = nullptr;
    EXPECT_EQ(S_FALSE, pHandler2->GetOverrideKeyPath(&pszKey, 0));
    EXPECT_EQ(nullptr, pszKey);
}

TEST_F(BrowserView, ScriptBoxesTakeTheServiceCaptionInPlaceOfTheBrowsers)
{
    CComPtr<IDocHostShowUI> pShowUI = SiteInterface<IDocHostShowUI>(m_pBrowser, IID_DocHostShowUI);
    ASSERT_NE(nullptr, pShowUI.Get());
    CBoxAnswerer answerer;
    // While the box is up the browser's resource library is open, as data only: no code
    // of it runs, so it is no module of the process.
    std::atomic<bool> bBoxDone{false}, bLoadedAsModule{false};
    std::thread watcher([&] {
        while (!bBoxDone) {
            bLoadedAsModule = bLoadedAsModule || GetModuleHandleA("shdoclc.dll") != NULL;
            Sleep(5);
        }
    });
    LRESULT nResult = 0;
    wchar_t szStandard[] = L"Wine Internet Explorer", szOther[] = L"旅途", szText[] = L"Hello";
    EXPECT_EQ(S_OK, pShowUI->ShowMessage(NULL, szText, szStandard, MB_OK, NULL, 0, &nResult));
    bBoxDone = true;
    watcher.join();
    EXPECT_FALSE(bLoadedAsModule);
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(S_OK, pShowUI->ShowMessage(NULL, szText, szOther, MB_OK, NULL, 0, &nResult));
    std::vector<std::string> boxes = answerer.Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("127.0.0.1|Hello", boxes[0]);
    EXPECT_EQ("旅途|Hello", boxes[1]);
}

TEST_F(BrowserView, ScriptReachesTheViewsMethodsByName)
{
    CComPtr<IDocHostUIHandler> pHandler = SiteInterface<IDocHostUIHandler>(m_pBrowser, IID_IDocHostUIHandler);
    ASSERT_NE(nullptr, pHandler.Get());
    CComPtr<IDispatch> pExternal;
    ASSERT_EQ(S_OK, pHandler->GetExternal(&pExternal));
    ASSERT_NE(nullptr, pExternal.Get());

    wchar_t szLogin[] = L"ExecuteLogin", szDownload[] = L"download", szOther[] = L"Navigate";
    LPOLESTR names[] = {szLogin, szDownload, szOther};
    DISPID ids[3] = {};
    for (int i = 0; i < 3; ++i)
        pExternal->GetIDsOfNames(IID_NULL, &names[i], 1, 0, &ids[i]);
    EXPECT_EQ(1, ids[0]);
    EXPECT_EQ(2, ids[1]);
    EXPECT_EQ(DISPID_UNKNOWN, ids[2]);

    DISPPARAMS none = {NULL, NULL, 0, 0};
    CVariant result;
    CComPtr<IDispatchEx> pExternalEx;
    ASSERT_EQ(S_OK, pExternal.QueryInterface(__uuidof(IDispatchEx), pExternalEx));
    EXPECT_EQ(S_OK, pExternalEx->InvokeEx(ids[0], 0, DISPATCH_METHOD, &none, &result, NULL,
                                          ScriptCaller(ServicePageUrl()).Get()));
    EXPECT_EQ(1, m_pBrowser->nLogins);
    EXPECT_EQ(VT_EMPTY, V_VT(&result));
    // Download takes exactly one argument.
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, pExternal->Invoke(ids[1], IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL, NULL));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, pExternal->Invoke(7, IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL, NULL));
    // Of named arguments only the caller's "this", first, is taken, and it is no argument
    // of the method.
    const DISPID kOther = 7;
    const struct {
        DISPID member;
        std::vector<DISPID> named;
        HRESULT hr;
    } namedCases[] = {
        {ids[1], {DISPID_THIS}, DISP_E_BADPARAMCOUNT},
        {ids[0], {kOther}, DISP_E_NONAMEDARGS},
        {ids[0], {DISPID_THIS, kOther}, DISP_E_NONAMEDARGS},
        {ids[0], {kOther, DISPID_THIS}, DISP_E_NONAMEDARGS},
    };
    for (const auto& c : namedCases) {
        VARIANT args[2] = {};
        std::vector<DISPID> named = c.named;
        DISPPARAMS params = {args, named.data(), static_cast<UINT>(named.size()), static_cast<UINT>(named.size())};
        EXPECT_EQ(c.hr, pExternal->Invoke(c.member, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL))
            << c.member << " " << named.size();
    }

    // The object outlives its view: calls then fail instead of reaching a dead view.
    m_pBrowser->DestroyWindow();
    m_pBrowser = nullptr;
    EXPECT_EQ(E_UNEXPECTED, pExternal->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL, NULL));
}

// Script reaches the methods only from a page or frame of the service root, by the
// security manager's rule, also when its engine passes the caller's "this".
TEST_F(BrowserView, ScriptMethodsActOnlyForTheServicesPagesAndFrames)
{
    CComPtr<IDispatch> pExternal = ExternalOf(m_pBrowser);
    ASSERT_NE(nullptr, pExternal.Get());
    const std::string root = GetServiceRoot();
    const std::string file = "http://h/files/x.apk";
    const struct {
        std::string caller;
        bool bThis;
        bool bActs;
    } cases[] = {
        {root + "/pages/a.aspx", false, true},
        {root + "/pages/a.aspx", true, true},
        {root, false, true},
        {"http://ads.example.com/frame.html", false, false},
        {"http://ads.example.com/frame.html", true, false},
        {root + ".example.com/", false, false},
        {root + "@ads.example.com/", false, false},
        {"about:blank", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caller + (c.bThis ? " with this" : ""));
        m_pBrowser->nLogins = 0;
        m_pBrowser->downloads.clear();
        CScriptCall call;
        call.strPageUrl = c.caller;
        call.bThis = c.bThis;
        EXPECT_EQ(S_OK, CallByName(pExternal, L"ExecuteLogin", {}, call));
        EXPECT_EQ(S_OK, CallByName(pExternal, L"Download", {file}, call));
        EXPECT_EQ(c.bActs ? 1 : 0, m_pBrowser->nLogins);
        EXPECT_EQ(c.bActs ? std::vector<std::string>{file} : std::vector<std::string>(), m_pBrowser->downloads);
    }
}

// A call whose engine names no calling window is judged by the top-level page the
// browser shows, by the same rule; a calling window, where one is named, decides alone.
TEST_F(BrowserView, CallsThatNameNoWindowAreJudgedByThePageShown)
{
    CComPtr<IDispatch> pExternal = ExternalOf(m_pBrowser);
    ASSERT_NE(nullptr, pExternal.Get());
    const std::string foreign = "http://localhost:" + std::to_string(StandIn::Port()) + kPagePath;
    CScriptCall invoke, noServices, noWindow, noWindowWithThis, frame, foreignFrame;
    invoke.how = CScriptCall::kPlainInvoke;
    noServices.how = CScriptCall::kNoServices;
    noWindow.how = noWindowWithThis.how = CScriptCall::kNoWindow;
    noWindowWithThis.bThis = true;
    foreignFrame.strPageUrl = foreign;
    const struct {
        std::string shown; // the top-level page
        CScriptCall call;
        bool bActs;
    } cases[] = {
        {"", invoke, false}, // no page yet
        {"", noWindow, false},       {PageUrl(), invoke, true},           {PageUrl(), noServices, true},
        {PageUrl(), noWindow, true}, {PageUrl(), noWindowWithThis, true}, {PageUrl(), foreignFrame, false},
        {foreign, invoke, false},    {foreign, noServices, false},        {foreign, noWindowWithThis, false},
        {foreign, frame, true},
    };
    std::string shown;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown + " " + std::to_string(c.call.how) + " " + c.call.strPageUrl);
        if (c.shown != shown) {
            ASSERT_TRUE(ShowPage(m_pBrowser, c.shown));
            shown = c.shown;
        }
        m_pBrowser->nLogins = 0;
        m_pBrowser->downloads.clear();
        EXPECT_EQ(S_OK, CallByName(pExternal, L"ExecuteLogin", {}, c.call));
        EXPECT_EQ(S_OK, CallByName(pExternal, L"Download", {"x.apk"}, c.call));
        EXPECT_EQ(c.bActs ? 1 : 0, m_pBrowser->nLogins);
        EXPECT_EQ(c.bActs ? 1u : 0u, m_pBrowser->downloads.size());
    }
}

namespace {

// Counts the mouse messages a window receives, before its own procedure sees them.
WNDPROC g_pfnPageProc = nullptr;
std::vector<UINT> g_pageMouse;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE)
        g_pageMouse.push_back(message);
    return CallWindowProcA(g_pfnPageProc, hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(BrowserView, RightButtonPressesNeverReachThePage)
{
    HWND hPage = GetWindow(m_pBrowser->m_hWnd, GW_CHILD);
    ASSERT_NE(nullptr, hPage);
    g_pageMouse.clear();
    g_pfnPageProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hPage, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, WM_LBUTTONDOWN})
        PostMessageA(hPage, message, 0, MAKELPARAM(10, 10));
    PumpFor(300);
    SetWindowLongPtrA(hPage, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnPageProc));
    EXPECT_EQ((std::vector<UINT>{WM_RBUTTONUP, WM_LBUTTONDOWN}), g_pageMouse);
}

// A window inside the browser pane's control, as a page's document window is: when the
// frame is active again, the focus goes back to it; once it is gone, to the control.
TEST(BrowserFocus, GoesBackToTheWindowInsideThatHadIt)
{
    CMainFrame* pFrame = ClientFrame();
    ASSERT_NE(nullptr, pFrame);
    CWnd* pPane = pFrame->m_wndSplitter.GetPane(0, 1);
    ASSERT_NE(nullptr, pPane);
    HWND hControl = GetWindow(pPane->m_hWnd, GW_CHILD);
    HWND hField = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, hControl, NULL, NULL, NULL);
    HWND hOther = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(hField && hOther);
    SetActiveWindow(pFrame->m_hWnd);
    SetFocus(hField);
    auto AwayAndBack = [&] {
        SetActiveWindow(hOther);
        PumpFor(100);
        EXPECT_EQ(hOther, GetFocus());
        SetActiveWindow(pFrame->m_hWnd);
        PumpFor(100);
        return GetFocus();
    };
    EXPECT_EQ(hField, AwayAndBack());
    DestroyWindow(hField);
    EXPECT_EQ(hControl, AwayAndBack());
    DestroyWindow(hOther);
}
