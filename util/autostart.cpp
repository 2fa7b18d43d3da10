#include "util/autostart.h"

#include "util/paths.h"

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kValueName[] = "Velora";

// Owns an open registry key.
class CRegKey {
public:
    CRegKey(const char* pszSubKey, REGSAM samDesired)
    {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszSubKey, 0, samDesired, &m_hKey) != ERROR_SUCCESS)
            m_hKey = NULL;
    }
    ~CRegKey()
    {
        if (m_hKey)
            RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = NULL;
};

} // namespace

// Asking for the size alone answers presence for data of any length.
BOOL IsAutoStart()
{
    CRegKey key(kRunKey, KEY_READ);
    if (!key.Get())
        return FALSE;
    DWORD dwType = 0;
    DWORD dwSize = 0;
    return RegQueryValueExA(key.Get(), kValueName, NULL, &dwType, NULL, &dwSize) == ERROR_SUCCESS;
}

// The system runs the value as a command line: unquoted, a path with a blank
// ("C:\Program Files\...") would start whatever "C:\Program.exe" is. A REG_SZ's byte
// count includes its terminator: readers that trust the stored size would otherwise get
// an unterminated text.
BOOL SetAutoStart()
{
    CRegKey key(kRunKey, KEY_WRITE);
    if (!key.Get())
        return FALSE;
    CString strPath = GetModulePath();
    if (strPath.IsEmpty())
        return FALSE;
    CString strCommand = "\"" + strPath + "\"";
    DWORD dwBytes = static_cast<DWORD>(strCommand.GetLength()) + 1;
    LONG nResult = RegSetValueExA(key.Get(), kValueName, 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(strCommand.GetString()), dwBytes);
    return nResult == ERROR_SUCCESS;
}

BOOL RemoveAutoStart()
{
    CRegKey key("Software\\Microsoft\\Windows\\CurrentVersion\\Run\\", KEY_ALL_ACCESS);
    if (!key.Get())
        return FALSE;
    return RegDeleteValueA(key.Get(), kValueName) == ERROR_SUCCESS;
}
