#ifndef FRAMEWORK_PARSEURL_H
#define FRAMEWORK_PARSEURL_H

#include "framework/cstring.h"
#include <windows.h>

// Service types that AfxParseURL reports.
enum {
    AFX_INET_SERVICE_UNK = 0,
    AFX_INET_SERVICE_HTTP = 1,
    AFX_INET_SERVICE_HTTPS = 2,
    AFX_INET_SERVICE_FTP = 3,
};

// Splits "scheme://server[:port][/object]" into its parts. The object is "/" when
// the URL names none; the port is the scheme's default when it names none.
// Returns FALSE for a URL without a scheme, without a server, with a bad port, or
// holding control characters or blanks.
BOOL AfxParseURL(const char* pszUrl, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 unsigned short& nPort);

#endif
