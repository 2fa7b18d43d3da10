#ifndef NET_DOWNLOADFILE_H
#define NET_DOWNLOADFILE_H

// The file a download writes. The body goes into a temporary file beside the target,
// which takes the target's place only once the whole body has arrived: a download that
// fails or is stopped leaves the target as it was, and creates none.

#include "framework/cstring.h"
#include "framework/file.h"

class CDownloadFile {
public:
    explicit CDownloadFile(const CString& strTarget) : m_strTarget(strTarget) {}
    // Removes the temporary file unless it took the target's place.
    ~CDownloadFile();
    CDownloadFile(const CDownloadFile&) = delete;
    CDownloadFile& operator=(const CDownloadFile&) = delete;

    // Creates the temporary file, held with nShareMode (a CFile share flag) while it is
    // written. FALSE, with nothing created, when an existing target could not be written
    // or the temporary file could not be made.
    BOOL Open(UINT nShareMode);
    BOOL Write(const void* lpBuf, UINT nCount) { return m_file.Write(lpBuf, nCount); }
    // Closes the temporary file and puts it in the target's place; FALSE when that
    // failed, and the temporary file is gone then too.
    BOOL Commit();

private:
    void Discard();

    CString m_strTarget;
    CString m_strTemp; // empty while there is none
    CFile m_file;
};

#endif
