#include "framework/httpconnection.h"

#include "framework/httpfile.h"

CHttpConnection::~CHttpConnection()
{
    Close();
}

CHttpFile* CHttpConnection::OpenRequest(const char* pszVerb, const char* pszObjectName, const char* pszReferer,
                                        DWORD_PTR dwContext, const char** ppszAcceptTypes, const char* pszVersion,
                                        DWORD dwFlags)
{
    if (!m_hConnect)
        return NULL;
    HINTERNET hRequest = HttpOpenRequestA(m_hConnect, pszVerb, pszObjectName, pszVersion, pszReferer, ppszAcceptTypes,
                                          dwFlags, dwContext);
    if (!hRequest)
        return NULL;
    return new CHttpFile(hRequest);
}

void CHttpConnection::Close()
{
    if (m_hConnect) {
        InternetCloseHandle(m_hConnect);
        m_hConnect = NULL;
    }
}
