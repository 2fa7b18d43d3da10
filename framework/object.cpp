#include "framework/object.h"

#include <cstring>

// Zero before any constructor runs, so registrations from any translation unit's
// static initialisation find a valid (empty) list.
static const CRuntimeClass* s_pFirstClass = NULL;

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, NULL, NULL, NULL};

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    if (!lpszClassName)
        return NULL;
    for (const CRuntimeClass* pClass = s_pFirstClass; pClass; pClass = pClass->m_pNextClass) {
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return NULL;
}

CClassInit::CClassInit(CRuntimeClass* pNewClass)
{
    // Static initialisation runs on one thread, before any lookup.
    pNewClass->m_pNextClass = s_pFirstClass;
    s_pFirstClass = pNewClass;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&)
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}
