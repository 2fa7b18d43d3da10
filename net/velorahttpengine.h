#ifndef NET_VELORAHTTPENGINE_H
#define NET_VELORAHTTPENGINE_H

// One HTTP POST of a form-encoded body to one URL, through WinINet. Every failure
// ends in the empty reply; nothing is shown to the user. One engine serves one
// request and shares nothing with other engines.

#include "framework/cstring.h"
#include "framework/httpconnection.h"
#include "framework/httpfile.h"
#include "framework/internetsession.h"

class CHttpPostEngine {
public:
    CHttpPostEngine(CString strUrl, CString strBody);
    ~CHttpPostEngine();
    CHttpPostEngine(const CHttpPostEngine&) = delete;
    CHttpPostEngine& operator=(const CHttpPostEngine&) = delete;

    // The reply body of a 2xx reply of at most 8 MB; "" on any failure.
    CString Post();
    // Closes the request, then the connection, then the session.
    void Close();

private:
    bool ReadBody(CString& strResponse);

    CString m_strUrl;
    CString m_strBody;
    CInternetSession m_session;
    CHttpFile* m_pFile = nullptr;
    CHttpConnection* m_pConnection = nullptr;
};

#endif
