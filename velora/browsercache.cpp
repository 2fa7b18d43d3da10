// The browser view's cache clearing: the service's pages in the URL cache and the
// files of the Internet cache folder.

#include "net/serviceroot.h"
#include "velora/velorabrowser.h"

#include <shlobj.h>
#include <wininet.h>
#include <cstring>
#include <vector>

namespace {

const char kServicePageMark[] = ".aspx";

bool IsServicePage(const INTERNET_CACHE_ENTRY_INFOA* pEntry, const char* pszRoot)
{
    const char* pszUrl = pEntry->lpszSourceUrlName;
    return !(pEntry->CacheEntryType & COOKIE_CACHE_ENTRY) && pszUrl && strstr(pszUrl, pszRoot) &&
           strstr(pszUrl, kServicePageMark);
}

// Each entry's size is asked first, then the entry fetched into a buffer of that size.
class CUrlCacheWalk {
public:
    CUrlCacheWalk() = default;
    ~CUrlCacheWalk()
    {
        if (m_hFind)
            FindCloseUrlCache(m_hFind);
    }
    CUrlCacheWalk(const CUrlCacheWalk&) = delete;
    CUrlCacheWalk& operator=(const CUrlCacheWalk&) = delete;

    // The next entry, or NULL at the end.
    const INTERNET_CACHE_ENTRY_INFOA* Next()
    {
        for (int nTry = 0; nTry < 2; ++nTry) {
            DWORD dwSize = static_cast<DWORD>(m_buffer.size());
            auto* pEntry = m_buffer.empty() ? NULL : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(m_buffer.data());
            BOOL bFound;
            if (!m_hFind) {
                m_hFind = FindFirstUrlCacheEntryA(NULL, pEntry, &dwSize);
                bFound = m_hFind != NULL;
            } else {
                bFound = FindNextUrlCacheEntryA(m_hFind, pEntry, &dwSize);
            }
            if (bFound)
                return pEntry;
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
                return NULL;
            m_buffer.resize(dwSize);
        }
        return NULL;
    }

private:
    HANDLE m_hFind = NULL;
    std::vector<DWORD> m_buffer; // DWORD-aligned for the structure
};

} // namespace

void CVeloraBrowser::PurgeCache()
{
    DeleteUrlCacheEntries();
    char szFolder[MAX_PATH] = "";
    if (SHGetSpecialFolderPathA(NULL, szFolder, CSIDL_INTERNET_CACHE, FALSE))
        DeleteFolderContents(szFolder);
}

void CVeloraBrowser::DeleteUrlCacheEntries()
{
    const char* pszRoot = GetServiceRoot();
    CUrlCacheWalk walk;
    while (const INTERNET_CACHE_ENTRY_INFOA* pEntry = walk.Next()) {
        if (IsServicePage(pEntry, pszRoot))
            DeleteUrlCacheEntryA(pEntry->lpszSourceUrlName);
    }
}

void CVeloraBrowser::DeleteFolderContents(const CString& strFolder)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(strFolder + "\\*.*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        CString strName = data.cFileName;
        if (strName == "." || strName == ".." || lstrcmpiA(strName, "desktop.ini") == 0)
            continue;
        CString strPath = strFolder + "\\" + strName;
        DWORD dwAttributes = data.dwFileAttributes;
        if (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // The link itself, whatever it points to.
            if (!((dwAttributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryA(strPath) : DeleteFileA(strPath)))
                DeleteFileA(strPath);
            continue;
        }
        if (dwAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(strPath, dwAttributes & ~FILE_ATTRIBUTE_READONLY);
        if (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteFolderContents(strPath);
            RemoveDirectoryA(strPath);
        } else {
            DeleteFileA(strPath);
        }
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
}
