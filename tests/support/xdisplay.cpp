#include "tests/support/xdisplay.h"

#include "tests/support/wait.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Runs a Unix command line (without double quotes) on the test's display; its output,
// or false when it did not end in time.
bool RunUnix(const std::string& strCommand, std::string& strOutput)
{
    // /tmp is shared by every test sandbox, and each sandbox's Wine numbers its processes
    // alike: the display, one per sandbox, makes the name unique.
    static LONG s_nCounter = 0;
    char szDisplay[32] = "";
    GetEnvironmentVariableA("DISPLAY", szDisplay, sizeof(szDisplay));
    for (char& ch : szDisplay)
        if (ch == ':' || ch == '.')
            ch = '_';
    char szName[128];
    snprintf(szName, sizeof(szName), "/tmp/velora-x%s-%lu-%ld", szDisplay, GetCurrentProcessId(),
             InterlockedIncrement(&s_nCounter));
    const std::string strFile = szName;
    std::string strLine =
        "/bin/sh -c \"" + strCommand + " >" + strFile + ".part 2>&1; mv " + strFile + ".part " + strFile + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &strLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::string strWinFile = "Z:" + strFile;
    for (char& ch : strWinFile)
        if (ch == '/')
            ch = '\\';
    if (!WaitUntil([&] { return GetFileAttributesA(strWinFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000, 20))
        return false;
    std::ifstream in(strWinFile, std::ios::binary);
    strOutput.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    in.close();
    DeleteFileA(strWinFile.c_str());
    return true;
}

// The number after "strField:" in xwininfo's report.
bool Field(const std::string& strReport, const char* pszField, long& nValue)
{
    size_t nAt = strReport.find(std::string(pszField) + ":");
    return nAt != std::string::npos && sscanf(strReport.c_str() + nAt + strlen(pszField) + 1, "%ld", &nValue) == 1;
}

} // namespace

bool XWindowState(HWND hWnd, CXWindowState& state)
{
    // Wine names the X window of each top-level window in this property.
    auto nWindow = reinterpret_cast<ULONG_PTR>(GetPropA(hWnd, "__wine_x11_whole_window"));
    std::string strReport;
    if (!nWindow || !RunUnix("xwininfo -id " + std::to_string(nWindow), strReport))
        return false;
    long x, y, cx, cy;
    if (!Field(strReport, "Absolute upper-left X", x) || !Field(strReport, "Absolute upper-left Y", y) ||
        !Field(strReport, "Width", cx) || !Field(strReport, "Height", cy))
        return false;
    state.rc = RECT{x, y, x + cx, y + cy};
    state.bViewable = strReport.find("Map State: IsViewable") != std::string::npos;
    return true;
}

bool XClick(POINT ptScreen)
{
    std::string strOutput;
    return RunUnix("xdotool mousemove " + std::to_string(ptScreen.x) + " " + std::to_string(ptScreen.y) + " click 1",
                   strOutput) &&
           strOutput.empty();
}
