#include "framework/httpfile.h"

CHttpFile::~CHttpFile()
{
    Close();
}

BOOL CHttpFile::AddRequestHeaders(const char* pszHeaders, DWORD dwFlags, int nLength)
{
    if (!m_hRequest || !pszHeaders)
        return FALSE;
    return HttpAddRequestHeadersA(m_hRequest, pszHeaders, static_cast<DWORD>(nLength), dwFlags);
}

BOOL CHttpFile::SendRequest(const char* pszHeaders, DWORD dwHeadersLength, void* pOptional, DWORD dwOptionalLength)
{
    if (!m_hRequest)
        return FALSE;
    return HttpSendRequestA(m_hRequest, pszHeaders, dwHeadersLength, pOptional, dwOptionalLength);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, void* pBuffer, DWORD* pdwBufferLength, DWORD* pdwIndex) const
{
    if (!m_hRequest)
        return FALSE;
    return HttpQueryInfoA(m_hRequest, dwInfoLevel, pBuffer, pdwBufferLength, pdwIndex);
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const
{
    DWORD dwLength = sizeof(dwStatusCode);
    return QueryInfo(HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatusCode, &dwLength);
}

int CHttpFile::Read(void* pBuffer, UINT nCount)
{
    if (!m_hRequest)
        return -1;
    DWORD dwRead = 0;
    if (!InternetReadFile(m_hRequest, pBuffer, nCount, &dwRead))
        return -1;
    return static_cast<int>(dwRead);
}

void CHttpFile::Close()
{
    if (m_hRequest) {
        InternetCloseHandle(m_hRequest);
        m_hRequest = NULL;
    }
}
