#ifndef FRAMEWORK_FILE_H
#define FRAMEWORK_FILE_H

// A disk file opened by path, unbuffered, over one Win32 file handle that it owns.
// Failures are return values: no call throws.

#include <windows.h>
#include <string>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoTruncate = 0x0100,
        modeCreate = 0x1000,
        typeBinary = 0x8000, // files are always binary here; accepted for callers' clarity
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Closes a file already open first. modeCreate empties an existing file unless
    // modeNoTruncate is given too; without modeCreate the file must exist.
    BOOL Open(const char* lpszFileName, UINT nOpenFlags);
    void Close();
    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

    // Bytes read; fewer than asked at the end of the file, 0 on failure.
    UINT Read(void* lpBuf, UINT nCount);
    // TRUE when all nCount bytes were written.
    BOOL Write(const void* lpBuf, UINT nCount);
    BOOL Flush();

    // -1 when the file is not open or the query fails.
    LONGLONG GetLength() const;
    LONGLONG GetPosition() const;
    const char* GetFilePath() const { return m_strPath.c_str(); }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    std::string m_strPath;
};

#endif
