#include <winsock2.h>

#include "net/httpsocket.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

static_assert(std::is_same<SOCKET, UINT_PTR>::value, "m_socket holds a SOCKET");

namespace {

// Windows Sockets must be started before the first socket call of the process;
// nothing else here may be relied on to have done it. Started once, never cleaned up.
bool StartSockets()
{
    static const bool s_bStarted = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return s_bStarted;
}

void ShowFailure(const char* pszCall)
{
    char szText[64];
    snprintf(szText, sizeof(szText), "%s函数执行失败!", pszCall);
    MessageBoxA(NULL, szText, "错误", MB_OK);
}

int TcpProtocol()
{
    const protoent* pProto = getprotobyname("tcp");
    return pProto ? pProto->p_proto : IPPROTO_TCP;
}

} // namespace

CHttpSocket::CHttpSocket()
    : m_requestHeader(), m_responseHeader(), m_nPort(80), m_szAddress(), m_bConnected(FALSE), m_socket(0),
      m_pHost(NULL), m_nLineCursor(0), m_bHeaderReceived(FALSE), m_nHeaderLength(-1), m_readAhead(), m_nAheadStart(0),
      m_nAheadEnd(0)
{
}

CHttpSocket::CHttpSocket(const CHttpSocket& other) = default;

CHttpSocket& CHttpSocket::operator=(const CHttpSocket& other) = default;

CHttpSocket::~CHttpSocket()
{
    CloseSocket();
}

int CHttpSocket::Socket()
{
    if (m_bConnected)
        return 0;
    SOCKET s = StartSockets() ? socket(AF_INET, SOCK_STREAM, TcpProtocol()) : INVALID_SOCKET;
    if (s == INVALID_SOCKET) {
        ShowFailure("socket()");
        return 0;
    }
    m_socket = s;
    return 1;
}

int CHttpSocket::Connect(char* host, int port)
{
    if (!host)
        return 0;
    // A connected socket cannot connect again: it is closed and a new one takes its place.
    if (m_bConnected && (!CloseSocket() || !Socket()))
        return 0;
    m_nPort = port;
    m_pHost = StartSockets() ? gethostbyname(host) : NULL;
    if (!m_pHost || m_pHost->h_length != 4 || !m_pHost->h_addr_list || !m_pHost->h_addr_list[0]) {
        ShowFailure("gethostbyname()");
        return 0;
    }
    const unsigned char* pAddr = reinterpret_cast<const unsigned char*>(m_pHost->h_addr_list[0]);
    snprintf(m_szAddress, sizeof(m_szAddress), "%d.%d.%d.%d", pAddr[0], pAddr[1], pAddr[2], pAddr[3]);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<u_short>(port));
    memcpy(&addr.sin_addr, pAddr, 4);
    if (connect(m_socket, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) != 0) {
        ShowFailure("connect()");
        return 0;
    }
    m_bConnected = TRUE;
    return 1;
}

int CHttpSocket::SetTimeout(int milliseconds, int type)
{
    DWORD dwTimeout = static_cast<DWORD>(milliseconds);
    int nOption = type == 0 ? SO_RCVTIMEO : SO_SNDTIMEO;
    if (setsockopt(m_socket, SOL_SOCKET, nOption, reinterpret_cast<const char*>(&dwTimeout), sizeof(dwTimeout)) != 0) {
        ShowFailure("setsockopt()");
        return 0;
    }
    return 1;
}

bool CHttpSocket::AppendRequest(const char* text)
{
    size_t nUsed = strlen(m_requestHeader);
    size_t nAdd = strlen(text);
    if (nUsed + nAdd >= sizeof(m_requestHeader))
        return false;
    memcpy(m_requestHeader + nUsed, text, nAdd + 1);
    return true;
}

const char* CHttpSocket::FormatRequestHeader(char* server, char* object, long& length, char* cookie, char* referer,
                                             long from, long to, int serverType)
{
    memset(m_requestHeader, 0, sizeof(m_requestHeader));
    char szRange[64] = "";
    if (from > 0) {
        if (to > from)
            snprintf(szRange, sizeof(szRange), "Range: bytes=%ld-%ld\r\n", from, to);
        else
            snprintf(szRange, sizeof(szRange), "Range: bytes=%ld-\r\n", from);
    }
    const char* parts[] = {"GET ",
                           object ? object : "",
                           " HTTP/1.1\r\n",
                           "Host:",
                           server ? server : "",
                           "\r\n",
                           referer ? "Referer:" : "",
                           referer ? referer : "",
                           referer ? "\r\n" : "",
                           "Accept:*/*\r\n",
                           "User-Agent:Mozilla/4.0 (compatible; MSIE 5.00; Windows 98)\r\n",
                           "Connection:Keep-Alive\r\n",
                           cookie ? "Set Cookie:0" : "",
                           cookie ? cookie : "",
                           cookie ? "\r\n" : "",
                           szRange,
                           "\r\n"};
    for (const char* part : parts) {
        // A cut header would be sent as a different request: send none at all.
        if (!AppendRequest(part)) {
            memset(m_requestHeader, 0, sizeof(m_requestHeader));
            length = 0;
            return NULL;
        }
    }
    length = static_cast<long>(strlen(m_requestHeader));
    return m_requestHeader;
}

int CHttpSocket::SendRequest(const char* data, long length)
{
    if (!m_bConnected)
        return 0;
    if (!data)
        data = m_requestHeader;
    if (length == 0)
        length = static_cast<long>(strlen(data));
    if (length <= 0)
        return 0;
    if (send(m_socket, data, static_cast<int>(length), 0) == SOCKET_ERROR) {
        ShowFailure("send()");
        return 0;
    }
    int nHeaderLength = 0;
    GetResponseHeader(nHeaderLength);
    return 1;
}

int CHttpSocket::GetRequestHeader(char* buffer, int length) const
{
    if (!buffer || length <= 0)
        return 0;
    int nCount = static_cast<int>(strlen(m_requestHeader));
    if (nCount > length)
        nCount = length;
    memcpy(buffer, m_requestHeader, nCount);
    return nCount;
}

const char* CHttpSocket::GetResponseHeader(int& length)
{
    if (!m_bHeaderReceived) {
        int nStored = 0;
        while (nStored < HEADER_SIZE) {
            if (recv(m_socket, m_responseHeader + nStored, 1, 0) != 1)
                break;
            ++nStored;
            if (nStored >= 4 && memcmp(m_responseHeader + nStored - 4, "\r\n\r\n", 4) == 0)
                break;
        }
        m_nHeaderLength = nStored;
        m_bHeaderReceived = TRUE;
    }
    length = m_nHeaderLength;
    return m_responseHeader;
}

int CHttpSocket::GetResponseLine(char* buffer, int length)
{
    if (m_nLineCursor >= m_nHeaderLength) {
        m_nLineCursor = 0;
        return -1;
    }
    int nCopied = 0;
    while (nCopied < length && m_nLineCursor < m_nHeaderLength) {
        char ch = m_responseHeader[m_nLineCursor++];
        buffer[nCopied++] = ch;
        if (ch == '\n')
            break;
    }
    return nCopied;
}

// Position of text in the received header at or after nStart, or -1; never reads past
// the header length (a header cut at 1024 bytes has no terminator).
int CHttpSocket::FindInHeader(const char* text, int nStart) const
{
    int nText = static_cast<int>(strlen(text));
    for (int i = nStart; nText > 0 && i + nText <= m_nHeaderLength; ++i) {
        if (memcmp(m_responseHeader + i, text, nText) == 0)
            return i;
    }
    return -1;
}

int CHttpSocket::GetField(const char* name, char* buffer, int length)
{
    if (!m_bHeaderReceived || !name || !buffer || length <= 0)
        return -1;
    int nName = FindInHeader(name, 0);
    if (nName < 0)
        return -1;
    int nValue = nName + static_cast<int>(strlen(name)) + 2;
    int nEnd = nValue <= m_nHeaderLength ? FindInHeader("\r\n", nValue) : -1;
    memset(buffer, 0, length);
    if (nEnd < 0 || nEnd - nValue >= length)
        return -1;
    memcpy(buffer, m_responseHeader + nValue, nEnd - nValue);
    return nEnd - nValue;
}

int CHttpSocket::GetServerState()
{
    if (!m_bHeaderReceived)
        return -1;
    char szCode[4] = "";
    for (int i = 0; i < 3 && 9 + i < m_nHeaderLength; ++i)
        szCode[i] = m_responseHeader[9 + i];
    return atoi(szCode);
}

long CHttpSocket::Receive(char* buffer, long length)
{
    if (!m_bConnected || length <= 0)
        return 0;
    if (m_nAheadStart == m_nAheadEnd) {
        int nGot = recv(m_socket, m_readAhead, sizeof(m_readAhead), 0);
        if (nGot <= 0) {
            CloseSocket();
            return nGot;
        }
        m_nAheadStart = 0;
        m_nAheadEnd = nGot;
    }
    int nCount = m_nAheadEnd - m_nAheadStart;
    if (length < nCount)
        nCount = static_cast<int>(length);
    memcpy(buffer, m_readAhead + m_nAheadStart, nCount);
    m_nAheadStart += nCount;
    return nCount;
}

int CHttpSocket::CloseSocket()
{
    if (m_socket != 0) {
        if (closesocket(m_socket) != 0) {
            ShowFailure("closesocket()");
            return 0;
        }
    }
    m_socket = 0;
    m_bConnected = FALSE;
    m_nAheadStart = m_nAheadEnd = 0;
    return 1;
}
