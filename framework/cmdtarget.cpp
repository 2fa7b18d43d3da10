#include "framework/cmdtarget.h"

#include "framework/autoobject.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// Clients may still hold the IDispatch: it forgets the target, then goes with the last
// reference.
CCmdTarget::~CCmdTarget()
{
    if (m_pAutoObject) {
        m_pAutoObject->Detach();
        m_pAutoObject->Release();
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID)
{
    return FALSE;
}

void CCmdTarget::EnableAutomation()
{
    if (!m_pAutoObject)
        m_pAutoObject = new CAutoObject(this);
}

IDispatch* CCmdTarget::GetIDispatch(BOOL bAddRef)
{
    if (m_pAutoObject && bAddRef)
        m_pAutoObject->AddRef();
    return m_pAutoObject;
}

const CDispatchMap* CCmdTarget::GetDispatchMap() const
{
    return NULL;
}
