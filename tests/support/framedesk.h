#ifndef TESTS_SUPPORT_FRAMEDESK_H
#define TESTS_SUPPORT_FRAMEDESK_H

// Velora's real main frame inside a test program, shown on the test desktop and
// painted with the flat test skins (copied beside the test program as "Skins"), with
// the means to read its pixels from the screen, to drive the mouse as a user would
// and to run the service tasks it starts. The program defines the application object.

#include "tests/support/screenarea.h"
#include "velora/mainframe.h"

#include <windows.h>
#include <functional>
#include <string>

class CLeftContainer;
class CVeloraApp;

namespace FrameDesk {
// The frame, made and shown on first use; the start-up sequence does not run.
CMainFrame* Frame();
CVeloraApp& App();
CLeftContainer* Left();

// PumpFor (wait.h) under the name the frame's tests use.
void Pump(DWORD dwMs = 0);
// Pumps until the task registry is empty (at most 15 s); false on time-out.
bool RunTasks();

// A point of the frame's window (origin at its top-left corner) on the screen.
POINT FromWindow(int x, int y);
COLORREF WindowPixel(int x, int y);
// Colours within nTolerance in each channel.
bool Near(COLORREF a, COLORREF b, int nTolerance = 0);

// Real input: the pointer moved there, or a left click there (never taken for the
// second of a double click); messages pumped after.
void MoveMouse(POINT ptScreen);
// The pointer moved there in one motion, messages pumped meanwhile; how many milliseconds
// passed until done() held (at most dwTimeoutMs). done() is asked on a thread of its own
// every few milliseconds, as a person would look at the screen, whatever this thread is
// busy with: it must only read the screen or other threads' state.
DWORD MoveMouseAndTime(POINT ptScreen, const std::function<bool()>& done, DWORD dwTimeoutMs = 3000);
// The fastest of five timings, each taken by timeOnce; all five printed after strWhat.
// A loaded machine only ever adds to a timing, so the fastest is the one that tells what
// the program itself takes.
DWORD FastestOfFive(const std::string& strWhat, const std::function<DWORD()>& timeOnce);

// The hover time the timing tests set, and the most a move may take with it: a mark that
// waited for the hover time took 1.8 s and more of it, and a loaded machine (two suites at
// once) has added up to a third of a second to the fastest of five.
constexpr UINT kLongHoverMs = 3000;
constexpr DWORD kNoHoverWaitMs = kLongHoverMs / 3;

// The system's hover time (a user's setting) set to nMs while the object lives.
class CHoverTimeSetting {
public:
    explicit CHoverTimeSetting(UINT nMs);
    ~CHoverTimeSetting();
    CHoverTimeSetting(const CHoverTimeSetting&) = delete;
    CHoverTimeSetting& operator=(const CHoverTimeSetting&) = delete;

private:
    UINT m_nBefore = HOVER_DEFAULT;
};
void Click(POINT ptScreen);
void Drag(POINT ptFrom, POINT ptTo);
} // namespace FrameDesk

#endif
