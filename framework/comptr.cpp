#include "framework/comptr.h"

CBstr::CBstr(const char* psz)
{
    if (!psz)
        return;
    int nLength = MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    m_bstr = SysAllocStringLen(NULL, static_cast<UINT>(nLength > 0 ? nLength - 1 : 0));
    if (m_bstr && nLength > 0)
        MultiByteToWideChar(CP_ACP, 0, psz, -1, m_bstr, nLength);
}

CString WideToAnsi(const wchar_t* pwsz)
{
    return pwsz ? CString(pwsz) : CString();
}

namespace {

// The VARIANT itself, or the one it refers to.
const VARIANT* Dereferenced(const VARIANT* pVar)
{
    while (pVar && V_VT(pVar) == (VT_BYREF | VT_VARIANT))
        pVar = V_VARIANTREF(pVar);
    return pVar;
}

} // namespace

CString VariantText(const VARIANT* pVar)
{
    pVar = Dereferenced(pVar);
    if (!pVar)
        return CString();
    if (V_VT(pVar) == VT_BSTR)
        return WideToAnsi(V_BSTR(pVar));
    if (V_VT(pVar) == (VT_BYREF | VT_BSTR))
        return WideToAnsi(V_BSTRREF(pVar) ? *V_BSTRREF(pVar) : NULL);
    CVariant text;
    if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(pVar), 0, VT_BSTR)))
        return CString();
    return WideToAnsi(V_BSTR(&text));
}

DWORD VariantNumber(const VARIANT* pVar)
{
    pVar = Dereferenced(pVar);
    if (!pVar || V_VT(pVar) == VT_EMPTY || V_VT(pVar) == VT_NULL)
        return 0;
    CVariant number;
    if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(pVar), 0, VT_UI4)))
        return 0;
    return V_UI4(&number);
}

void VariantBytes(const VARIANT* pVar, CByteArray& bytes)
{
    bytes.RemoveAll();
    pVar = Dereferenced(pVar);
    if (!pVar)
        return;
    SAFEARRAY* pArray = NULL;
    if (V_VT(pVar) == (VT_ARRAY | VT_UI1))
        pArray = V_ARRAY(pVar);
    else if (V_VT(pVar) == (VT_BYREF | VT_ARRAY | VT_UI1) && V_ARRAYREF(pVar))
        pArray = *V_ARRAYREF(pVar);
    LONG nLower = 0, nUpper = -1;
    if (!pArray || SafeArrayGetDim(pArray) != 1 || FAILED(SafeArrayGetLBound(pArray, 1, &nLower)) ||
        FAILED(SafeArrayGetUBound(pArray, 1, &nUpper)) || nUpper < nLower)
        return;
    void* pData = NULL;
    if (FAILED(SafeArrayAccessData(pArray, &pData)))
        return;
    bytes.Assign(pData, static_cast<INT_PTR>(nUpper) - nLower + 1);
    SafeArrayUnaccessData(pArray);
}

HRESULT MakeByteArrayVariant(const void* pData, DWORD dwLength, VARIANT* pVar)
{
    VariantInit(pVar);
    if (!pData || dwLength == 0)
        return S_OK;
    SAFEARRAY* pArray = SafeArrayCreateVector(VT_UI1, 0, dwLength);
    if (!pArray)
        return E_OUTOFMEMORY;
    void* pTarget = NULL;
    if (FAILED(SafeArrayAccessData(pArray, &pTarget))) {
        SafeArrayDestroy(pArray);
        return E_FAIL;
    }
    memcpy(pTarget, pData, dwLength);
    SafeArrayUnaccessData(pArray);
    V_VT(pVar) = VT_ARRAY | VT_UI1;
    V_ARRAY(pVar) = pArray;
    return S_OK;
}
