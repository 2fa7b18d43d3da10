#ifndef FRAMEWORK_RECENTFILELIST_H
#define FRAMEWORK_RECENTFILELIST_H
// The files the application opened last, most recent first, kept in the registry under
// HKEY_CURRENT_USER\<key> as the values "File1", "File2", ...
#include "framework/cstring.h"

#include <vector>

class CRecentFileList {
public:
    CRecentFileList(const CString& strKey, int nSize);

    // Puts the file's full path first; an entry naming the same file moves there, and
    // the oldest goes when the list is full.
    void Add(const char* lpszPathName);
    int GetCount() const { return static_cast<int>(m_files.size()); }
    const CString& operator[](int nIndex) const { return m_files[nIndex]; }

    void ReadList();
    // Rewrites the key: the values of the entries, no others.
    BOOL WriteList() const;

private:
    CString m_strKey;
    int m_nSize;
    std::vector<CString> m_files;
};

#endif
