#ifndef TESTS_SUPPORT_BOXANSWERER_H
#define TESTS_SUPPORT_BOXANSWERER_H

// Answers (OK) every message box of one process (this one unless told otherwise)
// from its own thread while it lives, and keeps "caption|text" of each, so no test
// leaves a box open. bMessageBoxesOnly leaves the process's other dialogs (a wizard, a
// save dialog) to the test.

#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CBoxAnswerer {
public:
    explicit CBoxAnswerer(DWORD dwProcessId = GetCurrentProcessId(), bool bMessageBoxesOnly = false);
    ~CBoxAnswerer();
    CBoxAnswerer(const CBoxAnswerer&) = delete;
    CBoxAnswerer& operator=(const CBoxAnswerer&) = delete;

    std::vector<std::string> Boxes();

private:
    static BOOL CALLBACK OnWindow(HWND hWnd, LPARAM lParam);
    void Run();

    DWORD m_dwProcessId;
    bool m_bMessageBoxesOnly;
    std::atomic<bool> m_bStop{false};
    std::mutex m_lock;
    std::vector<std::string> m_boxes;
    std::thread m_thread;
};

#endif
