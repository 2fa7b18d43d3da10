#include "util/process.h"

#include "util/paths.h"

#include <string>
#include <vector>

// The path goes in as the application name too: a command line alone would be split
// at the first blank ("C:\Program Files\..." would start "C:\Program.exe").
void LaunchProgram(const CString& strPath)
{
    CString strCommand = "\"" + strPath + "\"";
    std::vector<char> commandLine(strCommand.GetString(), strCommand.GetString() + strCommand.GetLength() + 1);

#if !defined(_WIN64)
    static_assert(sizeof(SECURITY_ATTRIBUTES) == 12, "security attributes of 12 bytes");
    static_assert(sizeof(STARTUPINFOA) == 68, "a start-up record of 68 bytes");
#endif
    SECURITY_ATTRIBUTES process = {sizeof(SECURITY_ATTRIBUTES), NULL, TRUE};
    SECURITY_ATTRIBUTES thread = {sizeof(SECURITY_ATTRIBUTES), NULL, TRUE};
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(strPath, commandLine.data(), &process, &thread, FALSE, CREATE_DEFAULT_ERROR_MODE, NULL, NULL,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

void LaunchUpdater()
{
    LaunchProgram(GetUpdaterPath());
}

namespace {

// Compared in UTF-16: no byte of a double-byte character can pass for the separator.
bool IsClientExecutable(DWORD dwProcessId)
{
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwProcessId);
    if (!hProcess)
        return false;
    std::vector<wchar_t> buffer(32768, L'\0');
    DWORD nLength = static_cast<DWORD>(buffer.size());
    BOOL bNamed = QueryFullProcessImageNameW(hProcess, 0, buffer.data(), &nLength);
    CloseHandle(hProcess);
    if (!bNamed)
        return false;
    std::wstring strPath(buffer.data(), nLength);
    return lstrcmpiW(strPath.substr(strPath.find_last_of(L"\\/") + 1).c_str(), L"Velora.exe") == 0;
}

} // namespace

// Other programs may show a window of that title too (a folder view of a folder named
// Velora): only a client's own window counts.
bool IsAppRunning()
{
    for (HWND hWnd = FindWindowExA(NULL, NULL, NULL, "Velora"); hWnd;
         hWnd = FindWindowExA(NULL, hWnd, NULL, "Velora")) {
        DWORD dwProcessId = 0;
        GetWindowThreadProcessId(hWnd, &dwProcessId);
        if (IsClientExecutable(dwProcessId))
            return true;
    }
    return false;
}

void TerminateOwnProcess(unsigned int nExitCode)
{
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE, FALSE, GetCurrentProcessId());
    TerminateProcess(hProcess ? hProcess : GetCurrentProcess(), nExitCode);
    if (hProcess)
        CloseHandle(hProcess);
}
