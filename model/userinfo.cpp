#include "model/userinfo.h"

IMPLEMENT_SERIAL(CUserInfo, CObject, 1)

void CUserInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strUserName << m_strPassword;
    else
        ar >> m_strUserName >> m_strPassword;
}
