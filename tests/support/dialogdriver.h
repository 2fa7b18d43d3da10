#ifndef TESTS_SUPPORT_DIALOGDRIVER_H
#define TESTS_SUPPORT_DIALOGDRIVER_H

// Drives a dialog from another thread (or process) as a user would: types into its
// edits, presses its buttons and keys, reads its texts and the colours it shows on the
// screen. Presses and keys are posted, so they pass through the dialog's own message
// loop and its keyboard handling.

#include <windows.h>
#include <string>

class CDialogDriver {
public:
    explicit CDialogDriver(HWND hDlg) : m_hDlg(hDlg) {}

    // The first visible dialog of the process holding control nID; NULL on time-out.
    static HWND WaitForDialog(DWORD dwProcessId, int nID, DWORD dwTimeoutMs = 10000);

    HWND Get() const { return m_hDlg; }
    HWND Item(int nID) const { return GetDlgItem(m_hDlg, nID); }
    void Type(int nID, const std::string& strText) const;
    // Real input: a click with the mouse into control nID, then strText (ASCII) typed on
    // the keyboard.
    void KeyIn(int nID, const std::string& strText) const;
    std::string Text(int nID) const;
    // The left button pressed (and released) over the middle of control nID.
    void Press(int nID) const;
    void PressDown(int nID) const;
    void Release(int nID) const;
    void DoubleClick(int nID) const;
    // A key pressed and released on control nID (0: the dialog itself).
    void Key(int nID, WPARAM vk) const;
    // Waits until the dialog's own thread has handled everything posted so far.
    void Sync() const;
    // The screen's colour at (x, y) of the dialog's window (client == false) or client area.
    COLORREF Pixel(int x, int y, bool bClient = false) const;
    // The colour at (x, y) once it is crExpected, or the last one read after the time:
    // what a window draws reaches the screen a moment later.
    COLORREF PixelWhenPainted(int x, int y, COLORREF crExpected, bool bClient = false, DWORD dwTimeoutMs = 2000) const;
    // True when the window is gone or hidden within the time.
    bool WaitClosed(DWORD dwTimeoutMs = 10000) const;

private:
    HWND m_hDlg;
};

#endif
