#ifndef TESTS_SUPPORT_CLIENTFRAME_H
#define TESTS_SUPPORT_CLIENTFRAME_H

// A client inside the test program: Velora's application object and its main frame
// (splitter with the browser pane, status bar), made once and shown, on the thread that
// first asks for it, which then is the UI thread. No start-up sequence runs.

#include "velora/mainframe.h"
#include "velora/veloraapp.h"

#include <functional>

CVeloraApp& ClientApp();
CMainFrame* ClientFrame();
// Runs this thread's messages as the application's loop does (PreTranslateMessage
// first) until done() holds or dwTimeoutMs passed; done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs);
void PumpFor(DWORD dwMs);

#endif
