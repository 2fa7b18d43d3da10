#include "net/velorahttpengine.h"

#include "framework/parseurl.h"
#include "framework/trace.h"
#include <algorithm>
#include <cstring>
#include <string>

namespace {

// No service reply comes near this; a larger one is refused before it is held.
const size_t kMaxReply = 8 * 1024 * 1024;

// Appends without letting the text's capacity pass kMaxReply, as doubling would.
void AppendWithinLimit(std::string& text, const char* psz)
{
    size_t nAdd = strlen(psz);
    if (text.size() + nAdd > text.capacity())
        text.reserve(std::min(kMaxReply, std::max(text.size() + nAdd, text.capacity() * 2)));
    text.append(psz, nAdd);
}

} // namespace

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
// text. False when a read fails mid-body (a cut reply must not pass as a whole one) or
// when the reply passes kMaxReply bytes.
bool CHttpPostEngine::ReadBody(CString& strResponse)
{
    char buffer[2049];
    memset(buffer, 0, sizeof(buffer));
    std::string text;
    size_t nReceived = 0;
    for (;;) {
        int nRead = m_pFile->Read(buffer, 2048);
        if (nRead < 0)
            return false;
        if (nRead == 0)
            break;
        nReceived += static_cast<size_t>(nRead);
        if (nReceived > kMaxReply)
            return false;
        AppendWithinLimit(text, buffer);
        memset(buffer, 0, sizeof(buffer));
    }
    strResponse = CString(text);
    return true;
}
