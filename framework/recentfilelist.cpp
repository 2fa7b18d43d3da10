#include "framework/recentfilelist.h"

namespace {

CString ValueName(int nIndex)
{
    CString strName;
    strName.Format("File%d", nIndex + 1);
    return strName;
}

} // namespace

CRecentFileList::CRecentFileList(const CString& strKey, int nSize) : m_strKey(strKey), m_nSize(nSize)
{
}

void CRecentFileList::Add(const char* lpszPathName)
{
    char szFull[MAX_PATH];
    DWORD cch = GetFullPathNameA(lpszPathName, MAX_PATH, szFull, NULL);
    CString strPath(cch > 0 && cch < MAX_PATH ? szFull : lpszPathName);
    for (auto it = m_files.begin(); it != m_files.end(); ++it) {
        if (lstrcmpiA(*it, strPath) == 0) {
            m_files.erase(it);
            break;
        }
    }
    m_files.insert(m_files.begin(), strPath);
    if (GetCount() > m_nSize)
        m_files.resize(m_nSize);
}

void CRecentFileList::ReadList()
{
    m_files.clear();
    HKEY hKey = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, m_strKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < m_nSize; ++i) {
        char szPath[MAX_PATH + 1] = "";
        DWORD dwType = 0, cb = MAX_PATH;
        if (RegQueryValueExA(hKey, ValueName(i), NULL, &dwType, reinterpret_cast<BYTE*>(szPath), &cb) !=
                ERROR_SUCCESS ||
            dwType != REG_SZ || szPath[0] == '\0')
            continue;
        m_files.push_back(CString(szPath));
    }
    RegCloseKey(hKey);
}

BOOL CRecentFileList::WriteList() const
{
    RegDeleteKeyA(HKEY_CURRENT_USER, m_strKey);
    HKEY hKey = NULL;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return FALSE;
    BOOL bOk = TRUE;
    for (int i = 0; i < GetCount(); ++i) {
        const CString& strPath = m_files[i];
        bOk &= RegSetValueExA(hKey, ValueName(i), 0, REG_SZ, reinterpret_cast<const BYTE*>(strPath.GetString()),
                              static_cast<DWORD>(strPath.GetLength() + 1)) == ERROR_SUCCESS;
    }
    RegCloseKey(hKey);
    return bOk;
}
