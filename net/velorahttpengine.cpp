#include "net/velorahttpengine.h"

#include "framework/parseurl.h"
#include "framework/trace.h"
#include <cstring>

CHttpPostEngine::CHttpPostEngine(CString strUrl, CString strBody)
    : m_strUrl(std::move(strUrl)), m_strBody(std::move(strBody))
{
}

CHttpPostEngine::~CHttpPostEngine()
{
    Close();
}

// Handles are closed child first: a session closed before its connection would
// leave a dead connection handle whose value WinINet may already have handed to
// another engine.
void CHttpPostEngine::Close()
{
    delete m_pFile;
    m_pFile = nullptr;
    delete m_pConnection;
    m_pConnection = nullptr;
    m_session.Close();
}

CString CHttpPostEngine::Post()
{
    TRACE("%s\n", m_strUrl.GetString());
    DWORD dwServiceType = 0;
    CString strServer;
    CString strUri;
    INTERNET_PORT nPort = INTERNET_DEFAULT_HTTP_PORT;
    if (!AfxParseURL(m_strUrl, dwServiceType, strServer, strUri, nPort))
        return CString();

    m_pConnection = m_session.GetHttpConnection(strServer, nPort, NULL, NULL);
    if (!m_pConnection)
        return CString();
    m_pFile = m_pConnection->OpenRequest("POST", strUri, NULL, 1, NULL, NULL, INTERNET_FLAG_EXISTING_CONNECT);
    if (!m_pFile)
        return CString();

    m_pFile->AddRequestHeaders("Content-Type: application/x-www-form-urlencoded", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    m_pFile->AddRequestHeaders("Accept: */*", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    void* pBody = m_strBody.IsEmpty() ? NULL : const_cast<char*>(m_strBody.GetString());
    if (!m_pFile->SendRequest(NULL, 0, pBody, static_cast<DWORD>(m_strBody.GetLength()))) {
        Close();
        return CString();
    }

    DWORD dwStatus = 0;
    if (!m_pFile->QueryInfoStatusCode(dwStatus) || dwStatus < 200 || dwStatus >= 300) {
        Close();
        return CString();
    }

    CString strResponse;
    if (!ReadBody(strResponse))
        strResponse.Empty();
    Close();
    return strResponse;
}

// Reads the body in blocks of at most 2048 bytes, each appended as a zero-terminated
// text. False when a read fails mid-body: a cut reply must not pass as a whole one.
bool CHttpPostEngine::ReadBody(CString& strResponse)
{
    char buffer[2049];
    memset(buffer, 0, sizeof(buffer));
    for (;;) {
        int nRead = m_pFile->Read(buffer, 2048);
        if (nRead < 0)
            return false;
        if (nRead == 0)
            return true;
        strResponse += buffer;
        memset(buffer, 0, sizeof(buffer));
    }
}
