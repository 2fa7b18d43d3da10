#ifndef CTRL_DOCHOSTSITE_H
#define CTRL_DOCHOSTSITE_H
// The browser control's site in the client's views. Besides being an ordinary control
// site it answers the browser's host questions: host UI (both versions of the handler;
// every method shared by the two gives the first version's answer through either
// interface id), script message boxes, an Internet
// security manager that lets ActiveX controls and scripts run on the service's own
// pages, and the service provider that hands that security manager out. Questions the
// view may answer go to the view's host-UI hooks.
#include "framework/htmlview.h"
#include "framework/olecontrolsite.h"

#include <mshtmhst.h>
#include <servprov.h>
#include <urlmon.h>

class CDocHostSite : public COleControlSite {
public:
    CDocHostSite(HWND hWndHost, CHtmlView* pView);
    // The view is forgotten with the control.
    void Close() override;

protected:
    ~CDocHostSite() override = default;
    HRESULT QueryExtraInterface(REFIID riid, void** ppv) override;

private:
    // Each interface's IUnknown is the site's.
    class XDocHostShowUI : public IDocHostShowUI {
    public:
        explicit XDocHostShowUI(CDocHostSite* pSite) : m_pSite(pSite) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override { return m_pSite->QueryInterface(riid, ppv); }
        STDMETHOD_(ULONG, AddRef)() override { return m_pSite->AddRef(); }
        STDMETHOD_(ULONG, Release)() override { return m_pSite->Release(); }
        STDMETHOD(ShowMessage)
        (HWND hwnd, LPOLESTR lpstrText, LPOLESTR lpstrCaption, DWORD dwType, LPOLESTR lpstrHelpFile,
         DWORD dwHelpContext, LRESULT* plResult) override;
        STDMETHOD(ShowHelp)
        (HWND hwnd, LPOLESTR pszHelpFile, UINT uCommand, DWORD dwData, POINT ptMouse,
         IDispatch* pDispatchObjectHit) override;

    private:
        CDocHostSite* m_pSite;
    };

    // The first version's methods, for both versions of the handler: every method the
    // two share gives the same answer through either interface id.
    template <class TInterface> class XDocHostUIHandlerOf : public TInterface {
    public:
        explicit XDocHostUIHandlerOf(CDocHostSite* pSite) : m_pSite(pSite) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override { return m_pSite->QueryInterface(riid, ppv); }
        STDMETHOD_(ULONG, AddRef)() override { return m_pSite->AddRef(); }
        STDMETHOD_(ULONG, Release)() override { return m_pSite->Release(); }
        STDMETHOD(ShowContextMenu)(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved) override;
        STDMETHOD(GetHostInfo)(DOCHOSTUIINFO* pInfo) override;
        STDMETHOD(ShowUI)
        (DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
         IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
        STDMETHOD(HideUI)() override;
        STDMETHOD(UpdateUI)() override;
        STDMETHOD(EnableModeless)(BOOL fEnable) override;
        STDMETHOD(OnDocWindowActivate)(BOOL fActivate) override;
        STDMETHOD(OnFrameWindowActivate)(BOOL fActivate) override;
        STDMETHOD(ResizeBorder)(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
        STDMETHOD(TranslateAccelerator)(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
        STDMETHOD(GetOptionKeyPath)(LPOLESTR* pchKey, DWORD dw) override;
        STDMETHOD(GetDropTarget)(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
        STDMETHOD(GetExternal)(IDispatch** ppDispatch) override;
        STDMETHOD(TranslateUrl)(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut) override;
        STDMETHOD(FilterDataObject)(IDataObject* pDO, IDataObject** ppDORet) override;

    private:
        CDocHostSite* m_pSite;
    };

    class XDocHostUIHandler : public XDocHostUIHandlerOf<IDocHostUIHandler> {
    public:
        using XDocHostUIHandlerOf::XDocHostUIHandlerOf;
    };

    class XDocHostUIHandler2 : public XDocHostUIHandlerOf<IDocHostUIHandler2> {
    public:
        using XDocHostUIHandlerOf::XDocHostUIHandlerOf;
        STDMETHOD(GetOverrideKeyPath)(LPOLESTR* pchKey, DWORD dw) override;
    };

    class XInternetSecurityManager : public IInternetSecurityManager {
    public:
        explicit XInternetSecurityManager(CDocHostSite* pSite) : m_pSite(pSite) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override { return m_pSite->QueryInterface(riid, ppv); }
        STDMETHOD_(ULONG, AddRef)() override { return m_pSite->AddRef(); }
        STDMETHOD_(ULONG, Release)() override { return m_pSite->Release(); }
        STDMETHOD(SetSecuritySite)(IInternetSecurityMgrSite* pSite) override;
        STDMETHOD(GetSecuritySite)(IInternetSecurityMgrSite** ppSite) override;
        STDMETHOD(MapUrlToZone)(LPCWSTR pwszUrl, DWORD* pdwZone, DWORD dwFlags) override;
        STDMETHOD(GetSecurityId)
        (LPCWSTR pwszUrl, BYTE* pbSecurityId, DWORD* pcbSecurityId, DWORD_PTR dwReserved) override;
        STDMETHOD(ProcessUrlAction)
        (LPCWSTR pwszUrl, DWORD dwAction, BYTE* pPolicy, DWORD cbPolicy, BYTE* pContext, DWORD cbContext, DWORD dwFlags,
         DWORD dwReserved) override;
        STDMETHOD(QueryCustomPolicy)
        (LPCWSTR pwszUrl, REFGUID guidKey, BYTE** ppPolicy, DWORD* pcbPolicy, BYTE* pContext, DWORD cbContext,
         DWORD dwReserved) override;
        STDMETHOD(SetZoneMapping)(DWORD dwZone, LPCWSTR lpszPattern, DWORD dwFlags) override;
        STDMETHOD(GetZoneMappings)(DWORD dwZone, IEnumString** ppenumString, DWORD dwFlags) override;

    private:
        CDocHostSite* m_pSite;
    };

    class XServiceProvider : public IServiceProvider {
    public:
        explicit XServiceProvider(CDocHostSite* pSite) : m_pSite(pSite) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override { return m_pSite->QueryInterface(riid, ppv); }
        STDMETHOD_(ULONG, AddRef)() override { return m_pSite->AddRef(); }
        STDMETHOD_(ULONG, Release)() override { return m_pSite->Release(); }
        STDMETHOD(QueryService)(REFGUID guidService, REFIID riid, void** ppv) override;

    private:
        CDocHostSite* m_pSite;
    };

    // The view that made the site; not owned. NULL once the site is closed.
    CHtmlView* m_pView;
    XDocHostShowUI m_xDocHostShowUI{this};
    XDocHostUIHandler m_xDocHostUIHandler{this};
    XDocHostUIHandler2 m_xDocHostUIHandler2{this};
    XInternetSecurityManager m_xInternetSecurityManager{this};
    XServiceProvider m_xServiceProvider{this};
};

// The interface ids that mingw's import libraries lack.
extern const IID IID_DocHostUIHandler2;
extern const IID IID_DocHostShowUI;

// TRUE for a URL of the service root: its scheme, host and port, then "/" or the end.
BOOL IsServiceRootUrl(const wchar_t* pwszUrl);

#endif
