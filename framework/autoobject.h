#ifndef FRAMEWORK_AUTOOBJECT_H
#define FRAMEWORK_AUTOOBJECT_H
// Automation for a command target: an IDispatch built from the target's dispatch map,
// a table of the methods that COM clients (page script) may call by name. Dispatch ids
// are assigned in table order from 1. Parameters arrive as whatever the caller passes
// and are handed to the method as 8-bit text; no method returns a value. Named
// arguments are refused, but for the caller's "this" that script engines may pass.
#include "framework/comptr.h"

#include <dispex.h>

class CCmdTarget;

struct CDispatchEntry {
    const wchar_t* pszName;
    int nTextParams; // 0 or 1
    void (*pfnCall)(CCmdTarget* pTarget, const CString* pArgs);
};

struct CDispatchMap {
    const CDispatchEntry* pEntries;
    int nCount;
};

// Entries of a dispatch map: a method without parameters, and one taking one text.
#define DISP_FUNCTION_VOID(theClass, name, method)                                                                     \
    {                                                                                                                  \
        L"" name, 0, [](CCmdTarget* pTarget, const CString*) { static_cast<theClass*>(pTarget)->method(); }            \
    }
#define DISP_FUNCTION_TEXT(theClass, name, method)                                                                     \
    {                                                                                                                  \
        L"" name, 1,                                                                                                   \
            [](CCmdTarget* pTarget, const CString* pArgs) { static_cast<theClass*>(pTarget)->method(pArgs[0]); }       \
    }

// The IDispatch of one target. Its owner holds the first reference and detaches it
// before the target goes; clients holding a reference then get E_UNEXPECTED. Script
// engines call through IDispatchEx and name their caller there; while such a call
// runs, Caller() gives the target that caller.
class CAutoObject final : public IDispatchEx {
public:
    // The map is asked of the target at each call, so a target may enable automation
    // in its constructor, before its most derived class is there.
    explicit CAutoObject(CCmdTarget* pTarget);
    CAutoObject(const CAutoObject&) = delete;
    CAutoObject& operator=(const CAutoObject&) = delete;
    void Detach() { m_pTarget = NULL; }

    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
     EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    STDMETHOD(GetDispID)(BSTR bstrName, DWORD grfdex, DISPID* pid) override;
    STDMETHOD(InvokeEx)
    (DISPID id, LCID lcid, WORD wFlags, DISPPARAMS* pdp, VARIANT* pvarRes, EXCEPINFO* pei,
     IServiceProvider* pspCaller) override;
    STDMETHOD(DeleteMemberByName)(BSTR bstrName, DWORD grfdex) override;
    STDMETHOD(DeleteMemberByDispID)(DISPID id) override;
    STDMETHOD(GetMemberProperties)(DISPID id, DWORD grfdexFetch, DWORD* pgrfdex) override;
    STDMETHOD(GetMemberName)(DISPID id, BSTR* pbstrName) override;
    STDMETHOD(GetNextDispID)(DWORD grfdex, DISPID id, DISPID* pid) override;
    STDMETHOD(GetNameSpaceParent)(IUnknown** ppunk) override;

    // The caller that the method running on this thread was invoked for (the calling
    // page's services); NULL outside a call or for a call that named none.
    static IServiceProvider* Caller();

private:
    ~CAutoObject() = default;
    HRESULT InvokeFor(IServiceProvider* pCaller, DISPID dispIdMember, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, UINT* puArgErr);
    HRESULT CallEntry(const CDispatchEntry& entry, DISPPARAMS* pDispParams, UINT* puArgErr);

    LONG m_nRef = 1;
    CCmdTarget* m_pTarget;
};

#endif
