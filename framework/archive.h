#ifndef FRAMEWORK_ARCHIVE_H
#define FRAMEWORK_ARCHIVE_H

// Stores or loads objects' fields to or from an open CFile (which the caller owns).
//
// Strings travel with a length prefix: one byte below 0xFF; else 0xFF and a 16-bit
// length up to 0xFFFD; else 0xFF, 0xFFFF and a 32-bit length; then the bytes without
// a terminator (all numbers little-endian). Loading also accepts UTF-16 strings, tagged
// 0xFF 0xFFFE before such a prefix counted in code units, and converts them to the ANSI
// code page.
//
// A failure is a sticky flag, not an exception: after it every operation does nothing
// and the target of a failed load keeps its previous value. A length that announces more
// than the file still holds fails at once with endOfFile, before anything is allocated.

#include "framework/cstring.h"
#include "framework/file.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    enum Error {
        none = 0,
        endOfFile,  // the file ended inside a value
        readFault,  // the file could not be read
        writeFault, // the file could not be written
        wrongMode,  // a load on a storing archive or the reverse
    };

    CArchive(CFile* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsStoring() const { return m_nMode == store; }
    BOOL IsLoading() const { return m_nMode == load; }
    CFile* GetFile() const { return m_pFile; }

    BOOL IsFailed() const { return m_error != none; }
    Error GetError() const { return m_error; }

    CArchive& operator<<(const CString& str);
    CArchive& operator>>(CString& str);

private:
    BOOL CanStore();
    BOOL CanLoad();
    void WriteBytes(const void* pData, UINT nCount);
    BOOL ReadBytes(void* pData, UINT nCount);
    BOOL ReadLength(ULONGLONG& nLength, BOOL* pbWideTag);
    BOOL ReadStringLength(ULONGLONG& nLength, BOOL& bWide);
    BOOL CheckRemaining(ULONGLONG nBytes);
    BOOL ReadNarrow(ULONGLONG nLength, CString& str);
    BOOL ReadWide(ULONGLONG nLength, CString& str);
    void Fail(Error error);

    CFile* m_pFile;
    UINT m_nMode;
    Error m_error = none;
};

#endif
