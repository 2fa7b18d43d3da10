#ifndef TESTS_SUPPORT_BOXANSWERER_H
#define TESTS_SUPPORT_BOXANSWERER_H

// Answers (OK) every message box of one process (this one unless told otherwise)
// from its own thread while it lives, and keeps "caption|text" of each, so no test
// leaves a box open. A message box is a dialog with the text static 0xFFFF and no file
// name field; the process's other dialogs (a wizard, a save dialog) are left to the test.

#include <windows.h>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CBoxAnswerer {
public:
    explicit CBoxAnswerer(DWORD dwProcessId = GetCurrentProcessId());
    ~CBoxAnswerer();
    CBoxAnswerer(const CBoxAnswerer&) = delete;
    CBoxAnswerer& operator=(const CBoxAnswerer&) = delete;

    std::vector<std::string> Boxes();
    // The owner window of each box, in the order of Boxes().
    std::vector<HWND> Owners();
    // Waits until n boxes were answered and have gone; false on time-out.
    bool WaitForBoxes(size_t n, DWORD dwTimeoutMs = 10000);

private:
    void Run();

    DWORD m_dwProcessId;
    std::atomic<bool> m_bStop{false};
    std::atomic<size_t> m_nGone{0};
    std::mutex m_lock;
    std::vector<std::string> m_boxes;
    std::vector<HWND> m_owners;
    std::thread m_thread;
};

#endif
