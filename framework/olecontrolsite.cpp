#include "framework/olecontrolsite.h"

#include <ocidl.h>

COleControlSite::COleControlSite(HWND hWndHost) : m_hWndHost(hWndHost)
{
}

COleControlSite::~COleControlSite()
{
}

HRESULT COleControlSite::CreateControl(REFCLSID clsid, const RECT& rc)
{
    if (IsClosed() || m_pObject)
        return E_UNEXPECTED;
    HRESULT hr =
        CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(&m_pObject));
    if (FAILED(hr))
        return hr;
    m_pObject->SetClientSite(this);
    CComPtr<IPersistStreamInit> pInit;
    if (SUCCEEDED(m_pObject.QueryInterface(IID_IPersistStreamInit, pInit)))
        pInit->InitNew();
    RECT rcPos = rc;
    hr = m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, NULL, this, 0, m_hWndHost, &rcPos);
    if (FAILED(hr))
        Close();
    return hr;
}

void COleControlSite::MoveControl(const RECT& rc)
{
    if (m_pInPlaceObject)
        m_pInPlaceObject->SetObjectRects(&rc, &rc);
}

HWND COleControlSite::GetControlWindow() const
{
    HWND hWnd = NULL;
    if (!m_pInPlaceObject || FAILED(m_pInPlaceObject->GetWindow(&hWnd)))
        return NULL;
    return hWnd;
}

BOOL COleControlSite::TranslateKey(MSG* pMsg)
{
    CComPtr<IOleInPlaceActiveObject> pActive = m_pActiveObject;
    if (!pActive && m_pObject)
        m_pObject.QueryInterface(IID_IOleInPlaceActiveObject, pActive);
    return pActive && pActive->TranslateAccelerator(pMsg) == S_OK;
}

// The control calls back into the site while it deactivates; each step lets go of
// what the control handed out before the control itself goes.
void COleControlSite::Close()
{
    CComPtr<IOleObject> pObject = m_pObject;
    if (m_pInPlaceObject) {
        CComPtr<IOleInPlaceObject> pInPlace = m_pInPlaceObject;
        pInPlace->InPlaceDeactivate();
    }
    m_pInPlaceObject.Release();
    m_pActiveObject.Release();
    if (pObject) {
        pObject->Close(OLECLOSE_NOSAVE);
        pObject->SetClientSite(NULL);
    }
    m_pObject.Release();
    m_hWndHost = NULL;
}

HRESULT COleControlSite::QueryExtraInterface(REFIID riid, void** ppv)
{
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv)
{
    return ComCall([&]() -> HRESULT {
        if (!ppv)
            return E_POINTER;
        *ppv = NULL;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
            *ppv = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
            *ppv = static_cast<IOleInPlaceSite*>(this);
        else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame))
            *ppv = static_cast<IOleInPlaceFrame*>(this);
        else
            return QueryExtraInterface(riid, ppv);
        AddRef();
        return S_OK;
    });
}

STDMETHODIMP_(ULONG) COleControlSite::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) COleControlSite::Release()
{
    LONG nRef = InterlockedDecrement(&m_nRef);
    if (nRef == 0) {
        try {
            delete this;
        } catch (...) {
        }
    }
    return static_cast<ULONG>(nRef);
}

STDMETHODIMP COleControlSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk)
        *ppmk = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer)
        *ppContainer = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP COleControlSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd)
{
    if (!phwnd)
        return E_POINTER;
    *phwnd = m_hWndHost;
    return m_hWndHost ? S_OK : E_FAIL;
}

STDMETHODIMP COleControlSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::CanInPlaceActivate()
{
    return IsClosed() ? S_FALSE : S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceActivate()
{
    return ComCall([&]() -> HRESULT {
        if (IsClosed() || !m_pObject)
            return E_UNEXPECTED;
        return m_pObject.QueryInterface(IID_IOleInPlaceObject, m_pInPlaceObject);
    });
}

STDMETHODIMP COleControlSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                               LPRECT lprcPosRect, LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    return ComCall([&]() -> HRESULT {
        if (!ppFrame || !ppDoc || !lprcPosRect || !lprcClipRect || !lpFrameInfo)
            return E_POINTER;
        *ppFrame = NULL;
        *ppDoc = NULL;
        if (IsClosed())
            return E_UNEXPECTED;
        *ppFrame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        ::GetClientRect(m_hWndHost, lprcPosRect);
        *lprcClipRect = *lprcPosRect;
        lpFrameInfo->fMDIApp = FALSE;
        lpFrameInfo->hwndFrame = GetAncestor(m_hWndHost, GA_ROOT);
        lpFrameInfo->haccel = NULL;
        lpFrameInfo->cAccelEntries = 0;
        return S_OK;
    });
}

STDMETHODIMP COleControlSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP COleControlSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::OnInPlaceDeactivate()
{
    return ComCall([&]() -> HRESULT {
        m_pInPlaceObject.Release();
        return S_OK;
    });
}

STDMETHODIMP COleControlSite::DiscardUndoState()
{
    return S_OK;
}

STDMETHODIMP COleControlSite::DeactivateAndUndo()
{
    return ComCall([&]() -> HRESULT {
        if (m_pInPlaceObject)
            m_pInPlaceObject->UIDeactivate();
        return S_OK;
    });
}

STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect)
{
    return ComCall([&]() -> HRESULT {
        if (lprcPosRect)
            MoveControl(*lprcPosRect);
        return S_OK;
    });
}

STDMETHODIMP COleControlSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP COleControlSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR)
{
    return ComCall([&]() -> HRESULT {
        m_pActiveObject = IsClosed() ? NULL : pActiveObject;
        return S_OK;
    });
}

STDMETHODIMP COleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::RemoveMenus(HMENU)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP COleControlSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}
