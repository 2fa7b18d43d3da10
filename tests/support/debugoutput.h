#ifndef TESTS_SUPPORT_DEBUGOUTPUT_H
#define TESTS_SUPPORT_DEBUGOUTPUT_H

// Runs a program as the debuggee of a thread of its own and keeps every text it writes
// to the debug output (OutputDebugString). The program must be started on that thread,
// because the system sends a debuggee's events to the thread that created it: the
// caller passes the start as a function of the creation flags.

#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CDebugOutput {
public:
    // Returns once fnStart has run; Started() tells whether it started the program.
    explicit CDebugOutput(const std::function<bool(DWORD dwCreationFlags)>& fnStart);
    // Detaches from a debuggee that still runs.
    ~CDebugOutput();
    CDebugOutput(const CDebugOutput&) = delete;
    CDebugOutput& operator=(const CDebugOutput&) = delete;

    bool Started() const { return m_bStarted; }
    // True when the debuggee ended within the time.
    bool WaitForEnd(DWORD dwTimeoutMs) const;
    std::vector<std::string> Strings();

private:
    void Run();
    void Keep(HANDLE hProcess, const OUTPUT_DEBUG_STRING_INFO& info);

    std::atomic<bool> m_bStarted{false};
    std::atomic<bool> m_bStop{false};
    HANDLE m_hEnded;
    std::mutex m_lock;
    std::vector<std::string> m_strings;
    std::thread m_thread;
};

#endif
