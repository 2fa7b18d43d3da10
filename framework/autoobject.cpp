#include "framework/autoobject.h"

#include "framework/cmdtarget.h"

#include <wchar.h>

namespace {

thread_local IServiceProvider* t_pCaller = NULL;

} // namespace

CAutoObject::CAutoObject(CCmdTarget* pTarget) : m_pTarget(pTarget)
{
}

STDMETHODIMP CAutoObject::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = NULL;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) && !IsEqualIID(riid, __uuidof(IDispatchEx)))
        return E_NOINTERFACE;
    *ppv = static_cast<IDispatchEx*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CAutoObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CAutoObject::Release()
{
    LONG nRef = InterlockedDecrement(&m_nRef);
    if (nRef == 0)
        delete this;
    return static_cast<ULONG>(nRef);
}

STDMETHODIMP CAutoObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CAutoObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo)
        *ppTInfo = NULL;
    return E_NOTIMPL;
}

// Names are matched without regard to case, as automation clients expect.
STDMETHODIMP CAutoObject::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    return ComCall([&]() -> HRESULT {
        if (!rgszNames || !rgDispId)
            return E_POINTER;
        for (UINT i = 0; i < cNames; ++i)
            rgDispId[i] = DISPID_UNKNOWN;
        const CDispatchMap* pMap = m_pTarget ? m_pTarget->GetDispatchMap() : NULL;
        if (cNames == 0 || !pMap || !rgszNames[0])
            return cNames == 0 ? S_OK : DISP_E_UNKNOWNNAME;
        for (int n = 0; n < pMap->nCount && rgDispId[0] == DISPID_UNKNOWN; ++n) {
            if (_wcsicmp(rgszNames[0], pMap->pEntries[n].pszName) == 0)
                rgDispId[0] = n + 1;
        }
        // No method has named parameters.
        return rgDispId[0] == DISPID_UNKNOWN || cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;
    });
}

STDMETHODIMP CAutoObject::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                 VARIANT* pVarResult, EXCEPINFO*, UINT* puArgErr)
{
    return InvokeFor(NULL, dispIdMember, wFlags, pDispParams, pVarResult, puArgErr);
}

// The same names as GetIDsOfNames, also without regard to case.
STDMETHODIMP CAutoObject::GetDispID(BSTR bstrName, DWORD, DISPID* pid)
{
    return GetIDsOfNames(IID_NULL, &bstrName, 1, 0, pid);
}

STDMETHODIMP CAutoObject::InvokeEx(DISPID id, LCID, WORD wFlags, DISPPARAMS* pdp, VARIANT* pvarRes, EXCEPINFO*,
                                   IServiceProvider* pspCaller)
{
    return InvokeFor(pspCaller, id, wFlags, pdp, pvarRes, NULL);
}

STDMETHODIMP CAutoObject::DeleteMemberByName(BSTR, DWORD)
{
    return S_FALSE;
}

STDMETHODIMP CAutoObject::DeleteMemberByDispID(DISPID)
{
    return S_FALSE;
}

STDMETHODIMP CAutoObject::GetMemberProperties(DISPID, DWORD, DWORD*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CAutoObject::GetMemberName(DISPID, BSTR* pbstrName)
{
    if (pbstrName)
        *pbstrName = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CAutoObject::GetNextDispID(DWORD, DISPID, DISPID* pid)
{
    if (pid)
        *pid = DISPID_UNKNOWN;
    return E_NOTIMPL;
}

STDMETHODIMP CAutoObject::GetNameSpaceParent(IUnknown** ppunk)
{
    if (ppunk)
        *ppunk = NULL;
    return E_NOTIMPL;
}

IServiceProvider* CAutoObject::Caller()
{
    return t_pCaller;
}

// The caller is restored afterwards: a method may run a loop in which script calls again.
HRESULT CAutoObject::InvokeFor(IServiceProvider* pCaller, DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams,
                               VARIANT* pVarResult, UINT* puArgErr)
{
    IServiceProvider* pOuter = t_pCaller;
    t_pCaller = pCaller;
    HRESULT hr = ComCall([&]() -> HRESULT {
        if (pVarResult)
            VariantInit(pVarResult);
        if (!m_pTarget)
            return E_UNEXPECTED;
        const CDispatchMap* pMap = m_pTarget->GetDispatchMap();
        if (!pMap || dispIdMember < 1 || dispIdMember > pMap->nCount || !(wFlags & DISPATCH_METHOD))
            return DISP_E_MEMBERNOTFOUND;
        if (!pDispParams)
            return E_POINTER;
        return CallEntry(pMap->pEntries[dispIdMember - 1], pDispParams, puArgErr);
    });
    t_pCaller = pOuter;
    return hr;
}

// A script engine may pass the calling script's "this" as the first named argument
// (DISPID_THIS); no method takes it. Named arguments come first in rgvarg, and the
// positional ones follow, last to first.
HRESULT CAutoObject::CallEntry(const CDispatchEntry& entry, DISPPARAMS* pDispParams, UINT* puArgErr)
{
    UINT nThis = pDispParams->cNamedArgs > 0 && pDispParams->rgdispidNamedArgs &&
                         pDispParams->rgdispidNamedArgs[0] == DISPID_THIS
                     ? 1
                     : 0;
    if (pDispParams->cNamedArgs > nThis)
        return DISP_E_NONAMEDARGS;
    if (pDispParams->cArgs < nThis || pDispParams->cArgs - nThis != static_cast<UINT>(entry.nTextParams))
        return DISP_E_BADPARAMCOUNT;
    CString args[1];
    for (int i = 0; i < entry.nTextParams; ++i) {
        UINT nIndex = nThis + static_cast<UINT>(entry.nTextParams - 1 - i);
        CVariant text;
        if (FAILED(VariantChangeType(&text, &pDispParams->rgvarg[nIndex], 0, VT_BSTR))) {
            if (puArgErr)
                *puArgErr = nIndex;
            return DISP_E_TYPEMISMATCH;
        }
        args[i] = WideToAnsi(V_BSTR(&text));
    }
    entry.pfnCall(m_pTarget, args);
    return S_OK;
}
