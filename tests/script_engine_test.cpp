// The client's browser view under the platform's own JScript engine: page script calls
// window.external's methods as the browser would run it, with the view's external
// object as the script's "external". The engine here names no calling window, so each
// call is judged by the page the browser shows.

#include "tests/support/clientframe.h"
#include "tests/support/standin.h"
#include "tests/support/windowfinder.h"
#include "velora/resource.h"
#include "velora/velorabrowser.h"

#include <activscp.h>
#include <gtest/gtest.h>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

const CLSID kClsidJScript = {0xf414c260, 0x6ac0, 0x11cf, {0xb6, 0xd1, 0x00, 0xaa, 0x00, 0xbb, 0xbb, 0x58}};
// The save dialog's file-name field: the combo box of the newer style, or the edit.
const int kFileNameCombo = 0x47C, kFileNameEdit = 0x480;

// The host of one script: its one named item, "external", is the object given; the
// engine's error reports are kept.
class CScriptSite final : public IActiveScriptSite {
public:
    explicit CScriptSite(IDispatch* pExternal) : m_pExternal(pExternal) {}
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override
    {
        *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(IActiveScriptSite)) ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    // The site lives on the test's stack, longer than the engine.
    STDMETHOD_(ULONG, AddRef)() override { return 2; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetLCID)(LCID*) override { return E_NOTIMPL; }
    STDMETHOD(GetItemInfo)(LPCOLESTR pszName, DWORD dwMask, IUnknown** ppUnknown, ITypeInfo** ppTypeInfo) override
    {
        if (ppTypeInfo)
            *ppTypeInfo = nullptr;
        if (wcscmp(pszName, L"external") != 0)
            return TYPE_E_ELEMENTNOTFOUND;
        if (dwMask & SCRIPTINFO_IUNKNOWN) {
            *ppUnknown = m_pExternal;
            m_pExternal->AddRef();
        }
        return S_OK;
    }
    STDMETHOD(GetDocVersionString)(BSTR*) override { return E_NOTIMPL; }
    STDMETHOD(OnScriptTerminate)(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    STDMETHOD(OnStateChange)(SCRIPTSTATE) override { return S_OK; }
    STDMETHOD(OnScriptError)(IActiveScriptError* pError) override
    {
        EXCEPINFO info = {};
        pError->GetExceptionInfo(&info);
        errors.push_back(info.scode);
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
        return S_OK;
    }
    STDMETHOD(OnEnterScript)() override { return S_OK; }
    STDMETHOD(OnLeaveScript)() override { return S_OK; }

    std::vector<HRESULT> errors;

private:
    IDispatch* m_pExternal;
};

// Runs strCode in a new JScript engine with pExternal as "external"; the engine's
// result, and its error reports in errors.
HRESULT RunScript(IDispatch* pExternal, const std::wstring& strCode, std::vector<HRESULT>& errors)
{
    CScriptSite site(pExternal);
    CComPtr<IActiveScript> pScript;
    CComPtr<IActiveScriptParse> pParse;
    HRESULT hr = CoCreateInstance(kClsidJScript, NULL, CLSCTX_INPROC_SERVER, __uuidof(IActiveScript),
                                  reinterpret_cast<void**>(&pScript));
    if (SUCCEEDED(hr))
        hr = pScript.QueryInterface(__uuidof(IActiveScriptParse), pParse);
    if (SUCCEEDED(hr))
        hr = pParse->InitNew();
    if (SUCCEEDED(hr))
        hr = pScript->SetScriptSite(&site);
    if (SUCCEEDED(hr))
        hr = pScript->AddNamedItem(L"external", SCRIPTITEM_ISVISIBLE);
    if (SUCCEEDED(hr))
        hr = pScript->SetScriptState(SCRIPTSTATE_STARTED);
    if (SUCCEEDED(hr))
        hr = pParse->ParseScriptText(strCode.c_str(), NULL, NULL, NULL, 0, 0, SCRIPTTEXT_ISVISIBLE, NULL, NULL);
    if (pScript)
        pScript->Close();
    errors = site.errors;
    return hr;
}

// Cancels this process's dialogs from its own thread while it lives, and keeps what
// each was: "save:" with the file name it offered, "login", or "other".
class CDialogCanceller {
public:
    CDialogCanceller() : m_thread([this] { Run(); }) {}
    ~CDialogCanceller()
    {
        m_bStop = true;
        m_thread.join();
    }
    std::vector<std::string> Dialogs()
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_dialogs;
    }

private:
    static std::string Describe(HWND hDialog)
    {
        HWND hName = GetDlgItem(hDialog, kFileNameCombo) ? GetDlgItem(hDialog, kFileNameCombo)
                                                         : GetDlgItem(hDialog, kFileNameEdit);
        if (hName)
            return "save:" + WindowText(hName);
        return GetDlgItem(hDialog, IDC_BTN_LOGIN) ? "login" : "other";
    }
    void Run()
    {
        while (!m_bStop) {
            for (HWND hDialog : FindTopWindows(CWindowQuery(GetCurrentProcessId(), "#32770", nullptr, true))) {
                Sleep(100); // let the dialog finish its set-up
                std::string strWhat = Describe(hDialog);
                {
                    std::lock_guard<std::mutex> lock(m_lock);
                    m_dialogs.push_back(strWhat);
                }
                PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                WaitUntil([hDialog] { return !IsWindow(hDialog) || !IsWindowVisible(hDialog); }, 3000);
            }
            Sleep(20);
        }
    }

    std::atomic<bool> m_bStop{false};
    std::mutex m_lock;
    std::vector<std::string> m_dialogs;
    std::thread m_thread;
};

} // namespace

// The service's download and login buttons: a save dialog that offers the file's name,
// and the login dialog. Script of a page of another host reaches neither.
TEST(ScriptEngine, PageScriptReachesTheViewsMethodsOnlyOnTheServicesPages)
{
    ASSERT_NE(nullptr, ClientFrame());
    ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
    auto* pView = dynamic_cast<CVeloraBrowser*>(ClientFrame()->m_wndSplitter.GetPane(0, 1));
    ASSERT_NE(nullptr, pView);
    CComPtr<IDispatch> pExternal = ExternalOf(pView);
    ASSERT_NE(nullptr, pExternal.Get());

    const std::string file = "http://" + StandIn::DownloadHost() + "/files/x.apk";
    const std::wstring code =
        L"external.Download(\"" + std::wstring(file.begin(), file.end()) + L"\");\nexternal.ExecuteLogin();\n";
    const struct {
        std::string page;
        std::vector<std::string> dialogs;
    } cases[] = {
        {ServicePageUrl(), {"save:x.apk", "login"}},
        {"http://localhost:" + std::to_string(StandIn::Port()) + "/pages/script.aspx", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        ASSERT_TRUE(ShowPage(pView, c.page));
        CDialogCanceller canceller;
        std::vector<HRESULT> errors;
        EXPECT_EQ(S_OK, RunScript(pExternal, code, errors));
        EXPECT_EQ(std::vector<HRESULT>(), errors) << "the engine reported errors";
        EXPECT_EQ(c.dialogs, canceller.Dialogs());
    }
}
