#include "framework/filefind.h"

#include <cstring>

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_strRoot.Empty();
    m_bHasCurrent = FALSE;
    m_bHasNext = FALSE;
}

BOOL CFileFind::FindFile(const char* pstrName)
{
    Close();
    if (!pstrName)
        pstrName = "*.*";
    m_hFind = FindFirstFileA(pstrName, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHasNext = TRUE;
    // The found names carry no folder: keep the pattern's to build full paths.
    const char* pBackslash = strrchr(pstrName, '\\');
    const char* pSlash = strrchr(pstrName, '/');
    const char* pLast = pBackslash > pSlash ? pBackslash : pSlash;
    if (pLast)
        m_strRoot = CString(pstrName, static_cast<int>(pLast - pstrName + 1));
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext)
        return FALSE;
    m_current = m_next;
    m_bHasCurrent = TRUE;
    m_bHasNext = ::FindNextFileA(m_hFind, &m_next);
    return m_bHasNext;
}

CString CFileFind::GetFileName() const
{
    return m_bHasCurrent ? CString(m_current.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_bHasCurrent ? m_strRoot + m_current.cFileName : CString();
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    return m_bHasCurrent && (m_current.dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const
{
    if (!m_bHasCurrent)
        return FALSE;
    return strcmp(m_current.cFileName, ".") == 0 || strcmp(m_current.cFileName, "..") == 0;
}
