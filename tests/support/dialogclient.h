#ifndef TESTS_SUPPORT_DIALOGCLIENT_H
#define TESTS_SUPPORT_DIALOGCLIENT_H

// A client for dialog tests in the test program itself: the application object, a
// document holding the stored account (the application's first template, as in the
// program), and a hidden main frame whose configuration path is a temporary file.
// Dialogs run modally on this thread while a script drives them from another, as a
// user would; what is still open afterwards is closed.

#include "tests/support/dialogdriver.h"
#include "velora/mainframe.h"
#include "velora/veloraapp.h"
#include "velora/veloradoc.h"

#include <functional>
#include <thread>

namespace DialogClient {

// Once per test program, on the thread that runs the dialogs.
bool Start();
CVeloraApp& App();
CMainFrame* Frame();
CVeloraDoc& Doc();
// The bytes of the frame's configuration file ("" when it does not exist).
std::string ConfigBytes();
// How often the frame was told that the login state changed.
int CaptionRepaints();
// The redraw flag of every WM_SETFONT sent to a dialog.
std::vector<LPARAM> DialogSetFontRedraws();
void ResetCounters();
// Posts WM_CLOSE to every visible dialog of this program, a few times over.
void CloseEveryDialog();

// Runs a TDialog modally here while script drives it from another thread; the dialog
// is found by its control nControl.
template <class TDialog> INT_PTR Run(int nControl, const std::function<void(CDialogDriver&)>& script)
{
    std::thread driver([&] {
        HWND hDlg = CDialogDriver::WaitForDialog(GetCurrentProcessId(), nControl);
        if (hDlg) {
            CDialogDriver dlg(hDlg);
            dlg.Sync();
            script(dlg);
        }
        CloseEveryDialog();
    });
    TDialog dlg(NULL);
    INT_PTR nResult = dlg.DoModal();
    driver.join();
    return nResult;
}

} // namespace DialogClient

#endif
