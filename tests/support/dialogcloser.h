#ifndef TESTS_SUPPORT_DIALOGCLOSER_H
#define TESTS_SUPPORT_DIALOGCLOSER_H

#include <windows.h>
#include <atomic>
#include <cstring>
#include <thread>

// Closes the first dialog of this process that shows up (a click that opens one runs it
// modally on the test's own thread) and tells whether it held control nControlId.
class CDialogCloser {
public:
    explicit CDialogCloser(int nControlId)
        : m_nControlId(nControlId), m_thread([this] {
              for (int i = 0; i < 500 && !m_bStop; ++i) {
                  EnumWindows(OnWindow, reinterpret_cast<LPARAM>(this));
                  if (m_hDialog) {
                      m_bHadControl = GetDlgItem(m_hDialog, m_nControlId) != NULL;
                      PostMessage(m_hDialog, WM_CLOSE, 0, 0);
                      return;
                  }
                  Sleep(20);
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
    static BOOL CALLBACK OnWindow(HWND hWnd, LPARAM lParam)
    {
        auto* pThis = reinterpret_cast<CDialogCloser*>(lParam);
        char szClass[16] = "";
        DWORD dwProcess = 0;
        GetWindowThreadProcessId(hWnd, &dwProcess);
        GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (dwProcess != GetCurrentProcessId() || strcmp(szClass, "#32770") != 0 || !IsWindowVisible(hWnd))
            return TRUE;
        pThis->m_hDialog = hWnd;
        return FALSE;
    }
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
