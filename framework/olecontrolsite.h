#ifndef FRAMEWORK_OLECONTROLSITE_H
#define FRAMEWORK_OLECONTROLSITE_H
// The container's side of one control hosted in a window: the control's client site,
// in-place site and in-place frame.
//
// Design note: a site is a heap COM object with a real reference count. Whoever creates
// it holds the first reference (a CComPtr) and calls Close() when its window goes. The
// control may keep references past that; the closed site then holds neither the window
// nor the control and answers nothing more, and it is freed with its last reference.
// A derived site answers more interfaces through QueryExtraInterface.
#include "framework/comptr.h"

#include <windows.h>
#include <ole2.h>

class COleControlSite : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    // hWndHost: the window the control lives in. The new site holds one reference, the
    // creator's.
    explicit COleControlSite(HWND hWndHost);
    COleControlSite(const COleControlSite&) = delete;
    COleControlSite& operator=(const COleControlSite&) = delete;

    // Creates the control clsid, gives it this site and activates it in place over rc
    // of the host window.
    HRESULT CreateControl(REFCLSID clsid, const RECT& rc);
    // The control (no reference added); NULL before creation and after Close.
    IUnknown* GetControlUnknown() const { return m_pObject.Get(); }
    void MoveControl(const RECT& rc);
    // The active control's own window; NULL when it is not active in place.
    HWND GetControlWindow() const;
    // Offers a keyboard message to the active control; TRUE when it used it.
    BOOL TranslateKey(MSG* pMsg);
    // Deactivates and closes the control and lets it go; the host window is forgotten.
    virtual void Close();
    BOOL IsClosed() const { return m_hWndHost == NULL; }

    // IUnknown
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // IOleClientSite
    STDMETHOD(SaveObject)() override;
    STDMETHOD(GetMoniker)(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHOD(GetContainer)(IOleContainer** ppContainer) override;
    STDMETHOD(ShowObject)() override;
    STDMETHOD(OnShowWindow)(BOOL fShow) override;
    STDMETHOD(RequestNewObjectLayout)() override;

    // IOleWindow (of the in-place site and of the frame)
    STDMETHOD(GetWindow)(HWND* phwnd) override;
    STDMETHOD(ContextSensitiveHelp)(BOOL fEnterMode) override;

    // IOleInPlaceSite
    STDMETHOD(CanInPlaceActivate)() override;
    STDMETHOD(OnInPlaceActivate)() override;
    STDMETHOD(OnUIActivate)() override;
    STDMETHOD(GetWindowContext)
    (IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect, LPRECT lprcClipRect,
     LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
    STDMETHOD(Scroll)(SIZE scrollExtant) override;
    STDMETHOD(OnUIDeactivate)(BOOL fUndoable) override;
    STDMETHOD(OnInPlaceDeactivate)() override;
    STDMETHOD(DiscardUndoState)() override;
    STDMETHOD(DeactivateAndUndo)() override;
    STDMETHOD(OnPosRectChange)(LPCRECT lprcPosRect) override;

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no menus, tool space or status text here.
    STDMETHOD(GetBorder)(LPRECT lprectBorder) override;
    STDMETHOD(RequestBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHOD(SetBorderSpace)(LPCBORDERWIDTHS pborderwidths) override;
    STDMETHOD(SetActiveObject)(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;
    STDMETHOD(InsertMenus)(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
    STDMETHOD(SetMenu)(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
    STDMETHOD(RemoveMenus)(HMENU hmenuShared) override;
    STDMETHOD(SetStatusText)(LPCOLESTR pszStatusText) override;
    STDMETHOD(EnableModeless)(BOOL fEnable) override;
    STDMETHOD(TranslateAccelerator)(LPMSG lpmsg, WORD wID) override;

protected:
    // Freed by Release only.
    virtual ~COleControlSite();
    // An interface beyond the base's: S_OK with *ppv (a reference added), or
    // E_NOINTERFACE with *ppv NULL.
    virtual HRESULT QueryExtraInterface(REFIID riid, void** ppv);

private:
    LONG m_nRef = 1;
    HWND m_hWndHost;
    CComPtr<IOleObject> m_pObject;
    CComPtr<IOleInPlaceObject> m_pInPlaceObject;
    CComPtr<IOleInPlaceActiveObject> m_pActiveObject;
};

#endif
