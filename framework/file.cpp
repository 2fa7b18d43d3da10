#include "framework/file.h"

namespace {

DWORD AccessOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x3) {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70) {
    case CFile::shareExclusive:
        return 0;
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    default:
        // Unset means "deny none", as for the framework's other file users.
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

DWORD DispositionOf(UINT nOpenFlags)
{
    if (!(nOpenFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

} // namespace

CFile::~CFile()
{
    Close();
}

BOOL CFile::Open(const char* lpszFileName, UINT nOpenFlags)
{
    Close();
    if (!lpszFileName)
        return FALSE;
    m_hFile = CreateFileA(lpszFileName, AccessOf(nOpenFlags), ShareOf(nOpenFlags), NULL, DispositionOf(nOpenFlags),
                          FILE_ATTRIBUTE_NORMAL, NULL);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_strPath = lpszFileName;
    return TRUE;
}

void CFile::Close()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_strPath.clear();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD dwRead = 0;
    if (!IsOpen() || nCount == 0 || !ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        return 0;
    return dwRead;
}

BOOL CFile::Write(const void* lpBuf, UINT nCount)
{
    if (!IsOpen())
        return FALSE;
    if (nCount == 0)
        return TRUE;
    DWORD dwWritten = 0;
    return WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL) && dwWritten == nCount;
}

BOOL CFile::Flush()
{
    return IsOpen() && FlushFileBuffers(m_hFile);
}

LONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !GetFileSizeEx(m_hFile, &size))
        return -1;
    return size.QuadPart;
}

LONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero, pos;
    zero.QuadPart = 0;
    if (!IsOpen() || !SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT))
        return -1;
    return pos.QuadPart;
}
