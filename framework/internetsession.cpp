#include "framework/internetsession.h"

#include "framework/httpconnection.h"
#include <cstring>

namespace {

// The executable's file name without folder and extension.
void GetProgramName(char* pszName, DWORD nSize)
{
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(NULL, szPath, MAX_PATH - 1);
    const char* pszBase = strrchr(szPath, '\\');
    pszBase = pszBase ? pszBase + 1 : szPath;
    lstrcpynA(pszName, pszBase, static_cast<int>(nSize));
    char* pszDot = strrchr(pszName, '.');
    if (pszDot)
        *pszDot = '\0';
}

} // namespace

CInternetSession::CInternetSession(const char* pszAgent, DWORD_PTR dwContext, DWORD dwAccessType,
                                   const char* pszProxyName, const char* pszProxyBypass, DWORD dwFlags)
    : m_dwContext(dwContext)
{
    char szName[MAX_PATH] = "";
    if (!pszAgent) {
        GetProgramName(szName, sizeof(szName));
        pszAgent = szName;
    }
    m_hSession = InternetOpenA(pszAgent, dwAccessType, pszProxyName, pszProxyBypass, dwFlags);
}

CInternetSession::~CInternetSession()
{
    Close();
}

CHttpConnection* CInternetSession::GetHttpConnection(const char* pszServer, INTERNET_PORT nPort,
                                                     const char* pszUserName, const char* pszPassword)
{
    if (!m_hSession || !pszServer)
        return NULL;
    HINTERNET hConnect =
        InternetConnectA(m_hSession, pszServer, nPort, pszUserName, pszPassword, INTERNET_SERVICE_HTTP, 0, m_dwContext);
    if (!hConnect)
        return NULL;
    return new CHttpConnection(hConnect, m_dwContext);
}

void CInternetSession::Close()
{
    if (m_hSession) {
        InternetCloseHandle(m_hSession);
        m_hSession = NULL;
    }
}
