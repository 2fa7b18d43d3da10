#ifndef FRAMEWORK_FILEFIND_H
#define FRAMEWORK_FILEFIND_H

// Lists the files that match a path pattern, one at a time, over a search handle that
// it owns. FindFile starts the search; each FindNextFile makes the next match current
// and returns FALSE when that match is the last one (the match itself is still valid):
//
//     BOOL bMore = finder.FindFile(pattern);
//     while (bMore) { bMore = finder.FindNextFile(); ... use the current match ... }

#include "framework/cstring.h"

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // NULL searches "*.*" in the current folder. FALSE when nothing matches.
    BOOL FindFile(const char* pstrName = NULL);
    BOOL FindNextFile();
    void Close();

    // Of the current match; empty or FALSE before the first FindNextFile.
    CString GetFileName() const;
    CString GetFilePath() const;
    BOOL MatchesMask(DWORD dwMask) const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    // "." or "..".
    BOOL IsDots() const;

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    CString m_strRoot; // the pattern's folder with its trailing separator, or empty
    WIN32_FIND_DATAA m_current{};
    WIN32_FIND_DATAA m_next{};
    BOOL m_bHasCurrent = FALSE;
    BOOL m_bHasNext = FALSE;
};

#endif
