#ifndef FRAMEWORK_HTTPCONNECTION_H
#define FRAMEWORK_HTTPCONNECTION_H

#include <windows.h>
#include <wininet.h>

class CHttpFile;

// A WinINet connection to one HTTP server, made by CInternetSession.
class CHttpConnection {
public:
    CHttpConnection(HINTERNET hConnect, DWORD_PTR dwContext) : m_hConnect(hConnect), m_dwContext(dwContext) {}
    ~CHttpConnection();
    CHttpConnection(const CHttpConnection&) = delete;
    CHttpConnection& operator=(const CHttpConnection&) = delete;

    // A new request owned by the caller, or NULL.
    CHttpFile* OpenRequest(const char* pszVerb, const char* pszObjectName, const char* pszReferer = NULL,
                           DWORD_PTR dwContext = 1, const char** ppszAcceptTypes = NULL, const char* pszVersion = NULL,
                           DWORD dwFlags = 0);
    void Close();
    operator HINTERNET() const { return m_hConnect; }

private:
    HINTERNET m_hConnect;
    DWORD_PTR m_dwContext;
};

#endif
