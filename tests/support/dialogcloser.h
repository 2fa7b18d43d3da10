#ifndef TESTS_SUPPORT_DIALOGCLOSER_H
#define TESTS_SUPPORT_DIALOGCLOSER_H

#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"

#include <windows.h>
#include <atomic>
#include <thread>

// Closes the first dialog of this process that shows up (a click that opens one runs it
// modally on the test's own thread) and tells whether it held control nControlId.
class CDialogCloser {
public:
    explicit CDialogCloser(int nControlId)
        : m_nControlId(nControlId), m_thread([this] {
              CWindowQuery dialogs{GetCurrentProcessId(), "#32770", nullptr, true};
              WaitUntil([&] { return m_bStop || (m_hDialog = FindTopWindow(dialogs)) != NULL; }, 10000, 20);
              if (m_hDialog) {
                  m_bHadControl = GetDlgItem(m_hDialog, m_nControlId) != NULL;
                  PostMessage(m_hDialog, WM_CLOSE, 0, 0);
              }
          })
    {
    }
    ~CDialogCloser() { Join(); }
    // Whether a dialog holding the control was closed (stops looking for one).
    bool Closed()
    {
        Join();
        return m_hDialog && m_bHadControl;
    }

private:
    void Join()
    {
        m_bStop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    int m_nControlId;
    HWND m_hDialog = NULL;
    bool m_bHadControl = false;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};

#endif
