#ifndef FRAMEWORK_INTERNETSESSION_H
#define FRAMEWORK_INTERNETSESSION_H

#include <windows.h>
#include <wininet.h>

class CHttpConnection;

// A WinINet session (InternetOpen). Closing it does not close the connections it
// made: each owner closes its own handles, connections before their session.
class CInternetSession {
public:
    // A NULL agent means the program's own name.
    explicit CInternetSession(const char* pszAgent = NULL, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG, const char* pszProxyName = NULL,
                              const char* pszProxyBypass = NULL, DWORD dwFlags = 0);
    ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // A new connection owned by the caller, or NULL.
    CHttpConnection* GetHttpConnection(const char* pszServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                       const char* pszUserName = NULL, const char* pszPassword = NULL);
    void Close();
    bool IsOpen() const { return m_hSession != NULL; }
    operator HINTERNET() const { return m_hSession; }

private:
    HINTERNET m_hSession = NULL;
    DWORD_PTR m_dwContext;
};

#endif
