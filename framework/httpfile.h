#ifndef FRAMEWORK_HTTPFILE_H
#define FRAMEWORK_HTTPFILE_H

#include <windows.h>
#include <wininet.h>

// One HTTP request and its reply, opened on a CHttpConnection.
class CHttpFile {
public:
    explicit CHttpFile(HINTERNET hRequest) : m_hRequest(hRequest) {}
    ~CHttpFile();
    CHttpFile(const CHttpFile&) = delete;
    CHttpFile& operator=(const CHttpFile&) = delete;

    // nLength -1: the headers are a zero-terminated text.
    BOOL AddRequestHeaders(const char* pszHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int nLength = -1);
    BOOL SendRequest(const char* pszHeaders = NULL, DWORD dwHeadersLength = 0, void* pOptional = NULL,
                     DWORD dwOptionalLength = 0);
    BOOL QueryInfo(DWORD dwInfoLevel, void* pBuffer, DWORD* pdwBufferLength, DWORD* pdwIndex = NULL) const;
    BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;
    // Bytes read, 0 at the end of the reply, -1 when the read failed.
    int Read(void* pBuffer, UINT nCount);
    void Close();
    operator HINTERNET() const { return m_hRequest; }

private:
    HINTERNET m_hRequest;
};

#endif
