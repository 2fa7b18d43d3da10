#include "update/clientprocess.h"

#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

namespace {

const UINT kClientExitCode = 4;

// Long form of a path, so that a short (8.3) spelling compares equal to the long one.
std::wstring LongPath(const std::wstring& strPath)
{
    DWORD nLength = GetLongPathNameW(strPath.c_str(), NULL, 0);
    if (nLength == 0)
        return strPath;
    std::wstring strLong(nLength, L'\0');
    nLength = GetLongPathNameW(strPath.c_str(), &strLong[0], nLength);
    strLong.resize(nLength);
    return strLong;
}

// Compared in UTF-16: no byte of a double-byte character can pass for a separator.
std::wstring ClientPath()
{
    std::vector<wchar_t> buffer(32768, L'\0');
    DWORD nLength = GetModuleFileNameW(NULL, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::wstring strPath(buffer.data(), nLength);
    return LongPath(strPath.substr(0, strPath.find_last_of(L'\\') + 1) + L"Velora.exe");
}

bool IsClientProcess(HANDLE hProcess, const std::wstring& strClientPath)
{
    std::vector<wchar_t> buffer(32768, L'\0');
    DWORD nLength = GetModuleFileNameExW(hProcess, NULL, buffer.data(), static_cast<DWORD>(buffer.size()));
    return nLength > 0 && lstrcmpiW(LongPath(std::wstring(buffer.data(), nLength)).c_str(), strClientPath.c_str()) == 0;
}

BOOL CALLBACK CollectClientWindow(HWND hWnd, LPARAM lParam)
{
    char szTitle[16] = "";
    if (GetWindowTextA(hWnd, szTitle, sizeof(szTitle)) == 6 && lstrcmpiA(szTitle, "Velora") == 0) {
        DWORD dwProcessId = 0;
        GetWindowThreadProcessId(hWnd, &dwProcessId);
        reinterpret_cast<std::vector<DWORD>*>(lParam)->push_back(dwProcessId);
    }
    return TRUE;
}

} // namespace

void TerminateRunningClient()
{
    std::vector<DWORD> processes;
    EnumWindows(CollectClientWindow, reinterpret_cast<LPARAM>(&processes));
    std::wstring strClientPath = ClientPath();
    for (DWORD dwProcessId : processes) {
        HANDLE hProcess =
            OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, dwProcessId);
        if (!hProcess)
            continue;
        if (IsClientProcess(hProcess, strClientPath))
            TerminateProcess(hProcess, kClientExitCode);
        CloseHandle(hProcess);
    }
}
