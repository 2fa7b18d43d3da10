#ifndef TESTS_SUPPORT_APPDRIVER_H
#define TESTS_SUPPORT_APPDRIVER_H

// Drives a program of the build from the outside, as a user's desktop would: installs
// it into a fresh folder of its own, starts it, finds its windows by title and class,
// reads their texts and rectangles, waits for its exit code and takes screenshots.

#include "tests/support/windowfinder.h"

#include <windows.h>
#include <string>

class CAppDriver {
public:
    // pszProgram: the program's path as Windows sees it.
    explicit CAppDriver(const std::string& strProgram);
    ~CAppDriver();
    CAppDriver(const CAppDriver&) = delete;
    CAppDriver& operator=(const CAppDriver&) = delete;

    // The install folder, with a trailing "\".
    const std::string& Folder() const { return m_strFolder; }
    // Copies a file or a whole folder into the install folder under strName.
    bool Install(const std::string& strSource, const std::string& strName);
    // Writes a file (relative to the install folder), making its folders.
    bool WriteFile(const std::string& strName, const std::string& strBytes);
    bool ReadFile(const std::string& strName, std::string& strBytes) const;
    bool Exists(const std::string& strName) const;

    // Copies the program into the install folder (or its sub-folder strSubFolder, which
    // must exist) and starts it there; the current folder is the install folder.
    // dwCreationFlags: CreateProcess's, e.g. to start the program as a debuggee.
    bool Start(const std::string& strArguments = std::string(), const std::string& strSubFolder = std::string(),
               DWORD dwCreationFlags = 0);
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    HANDLE Process() const { return m_pi.hProcess; }
    // A visible or hidden top-level window of the program; NULL on time-out.
    HWND WaitForWindow(const char* pszTitle, const char* pszClass, DWORD dwTimeoutMs) const;
    // A top-level window with that title that is not a dialog box: the framework's
    // message boxes carry the application title, which is the main window's title too.
    HWND WaitForFrame(const char* pszTitle, DWORD dwTimeoutMs) const;
    // True when the program ended in time; its exit code in dwExitCode.
    bool WaitForExit(DWORD dwTimeoutMs, DWORD& dwExitCode);
    void Kill();

    // Saves the window's screen area as a PNG file.
    static bool Screenshot(HWND hWnd, const std::string& strPath);
    static std::string WindowText(HWND hWnd) { return ::WindowText(hWnd); }

private:
    HWND Wait(const char* pszTitle, const char* pszClass, bool bSkipDialogs, DWORD dwTimeoutMs) const;

    std::string m_strProgram;
    std::string m_strFolder;
    PROCESS_INFORMATION m_pi = {};
};

// A Unix path of the build as Windows sees it under Wine (drive Z: is the root).
std::string WinePath(const std::string& strUnixPath);

#endif
