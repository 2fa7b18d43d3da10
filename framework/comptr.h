#ifndef FRAMEWORK_COMPTR_H
#define FRAMEWORK_COMPTR_H
// Owners for COM: an interface pointer released with its holder, a BSTR freed with
// its holder, and the conversions between the framework's 8-bit text and the wide
// strings, VARIANTs and byte arrays that COM interfaces pass.
#include "framework/bytearray.h"
#include "framework/cstring.h"

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <memory>

template <class T> class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* p) : m_p(p) { AddRefHeld(); }
    CComPtr(const CComPtr& other) : m_p(other.m_p) { AddRefHeld(); }
    CComPtr(CComPtr&& other) noexcept : m_p(other.Detach()) {}
    ~CComPtr() { Release(); }
    CComPtr& operator=(T* p)
    {
        if (p)
            p->AddRef();
        Release();
        m_p = p;
        return *this;
    }
    CComPtr& operator=(const CComPtr& other) { return *this = other.m_p; }
    CComPtr& operator=(CComPtr&& other) noexcept
    {
        if (this != std::addressof(other)) {
            Release();
            m_p = other.Detach();
        }
        return *this;
    }

    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }
    T* Get() const { return m_p; }
    // For an out-parameter: whatever was held is released first.
    T** operator&()
    {
        Release();
        return &m_p;
    }
    // Takes over a reference the caller owns.
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    // Hands the reference to the caller.
    T* Detach()
    {
        T* p = m_p;
        m_p = NULL;
        return p;
    }
    void Release()
    {
        if (m_p) {
            T* p = m_p;
            m_p = NULL;
            p->Release();
        }
    }
    // The held object's interface riid, into pp (released first).
    template <class Q> HRESULT QueryInterface(REFIID riid, CComPtr<Q>& pp) const
    {
        pp.Release();
        if (!m_p)
            return E_POINTER;
        return m_p->QueryInterface(riid, reinterpret_cast<void**>(&pp));
    }

private:
    void AddRefHeld()
    {
        if (m_p)
            m_p->AddRef();
    }
    T* m_p = NULL;
};

// A BSTR freed with its holder.
class CBstr {
public:
    CBstr() = default;
    // From 8-bit text in the ANSI code page; NULL gives no string.
    explicit CBstr(const char* psz);
    explicit CBstr(const wchar_t* pwsz) : m_bstr(pwsz ? SysAllocString(pwsz) : NULL) {}
    ~CBstr() { SysFreeString(m_bstr); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;

    operator BSTR() const { return m_bstr; }
    BSTR Detach()
    {
        BSTR bstr = m_bstr;
        m_bstr = NULL;
        return bstr;
    }

private:
    BSTR m_bstr = NULL;
};

// A VARIANT cleared with its holder.
class CVariant : public VARIANT {
public:
    CVariant() { VariantInit(this); }
    ~CVariant() { VariantClear(this); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
};

// Runs the body of a COM method: no exception may unwind through the system's frames
// that called it (mingw's i686 exceptions cannot), so one becomes E_UNEXPECTED.
template <class F> HRESULT ComCall(F body)
{
    try {
        return body();
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Wide text to 8-bit text in the ANSI code page; NULL gives an empty string.
CString WideToAnsi(const wchar_t* pwsz);
// The text a VARIANT holds (by reference or not, any type the system converts to a
// string); empty for VT_EMPTY, VT_NULL or what cannot be converted.
CString VariantText(const VARIANT* pVar);
// The number a VARIANT holds, by reference or not; 0 when it holds none.
DWORD VariantNumber(const VARIANT* pVar);
// The bytes of a VARIANT holding a byte array (VT_ARRAY | VT_UI1, by reference or not),
// into bytes; no bytes for anything else.
void VariantBytes(const VARIANT* pVar, CByteArray& bytes);
// pVar becomes a new byte array of the given bytes (VT_ARRAY | VT_UI1), or VT_EMPTY
// when there are none.
HRESULT MakeByteArrayVariant(const void* pData, DWORD dwLength, VARIANT* pVar);

#endif
