#include "framework/parseurl.h"

#include <cstring>

namespace {

bool HasUnsafeCharacters(const char* psz)
{
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(psz); *p; ++p) {
        if (*p <= 0x20 || *p == 0x7F)
            return true;
    }
    return false;
}

DWORD ServiceOf(const CString& strScheme, unsigned short& nDefaultPort)
{
    CString scheme;
    for (int i = 0; i < strScheme.GetLength(); ++i)
        scheme += static_cast<char>(tolower(static_cast<unsigned char>(strScheme.GetAt(i))));
    if (scheme == "http") {
        nDefaultPort = 80;
        return AFX_INET_SERVICE_HTTP;
    }
    if (scheme == "https") {
        nDefaultPort = 443;
        return AFX_INET_SERVICE_HTTPS;
    }
    if (scheme == "ftp") {
        nDefaultPort = 21;
        return AFX_INET_SERVICE_FTP;
    }
    nDefaultPort = 0;
    return AFX_INET_SERVICE_UNK;
}

bool ParsePort(const CString& strPort, unsigned short& nPort)
{
    if (strPort.IsEmpty() || strPort.GetLength() > 5)
        return false;
    long nValue = 0;
    for (int i = 0; i < strPort.GetLength(); ++i) {
        char ch = strPort.GetAt(i);
        if (ch < '0' || ch > '9')
            return false;
        nValue = nValue * 10 + (ch - '0');
    }
    if (nValue == 0 || nValue > 65535)
        return false;
    nPort = static_cast<unsigned short>(nValue);
    return true;
}

} // namespace

BOOL AfxParseURL(const char* pszUrl, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 unsigned short& nPort)
{
    dwServiceType = AFX_INET_SERVICE_UNK;
    if (!pszUrl || HasUnsafeCharacters(pszUrl))
        return FALSE;
    CString url(pszUrl);
    int nSchemeEnd = url.Find("://");
    if (nSchemeEnd <= 0)
        return FALSE;
    unsigned short nDefaultPort = 0;
    DWORD dwService = ServiceOf(url.Left(nSchemeEnd), nDefaultPort);

    CString rest = url.Mid(nSchemeEnd + 3);
    int nSlash = rest.Find('/');
    CString authority = nSlash < 0 ? rest : rest.Left(nSlash);
    CString object = nSlash < 0 ? CString("/") : rest.Mid(nSlash);
    if (authority.Find('@') >= 0)
        authority = authority.Mid(authority.Find('@') + 1);

    unsigned short nParsedPort = nDefaultPort;
    int nColon = authority.Find(':');
    if (nColon >= 0) {
        if (!ParsePort(authority.Mid(nColon + 1), nParsedPort))
            return FALSE;
        authority = authority.Left(nColon);
    }
    if (authority.IsEmpty())
        return FALSE;

    dwServiceType = dwService;
    strServer = authority;
    strObject = object;
    nPort = nParsedPort;
    return TRUE;
}
