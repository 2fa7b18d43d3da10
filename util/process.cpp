#include "util/process.h"

#include "util/paths.h"

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

bool IsAppRunning()
{
    return FindWindowA(NULL, "Velora") != NULL;
}

void TerminateOwnProcess(unsigned int nExitCode)
{
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE, FALSE, GetCurrentProcessId());
    TerminateProcess(hProcess ? hProcess : GetCurrentProcess(), nExitCode);
    if (hProcess)
        CloseHandle(hProcess);
}
