#ifndef TESTS_SUPPORT_XDISPLAY_H
#define TESTS_SUPPORT_XDISPLAY_H

// The test's X server seen from outside Wine, as a person's desktop meets it: where the X
// window that shows a top-level window stands (xwininfo), and real input (xdotool). Both
// are Unix programs, which Wine starts from CreateProcess, though without a process handle
// to wait on: each command's output arrives in a file that appears once it has ended.

#include <windows.h>

struct CXWindowState {
    RECT rc; // on the screen, as the X server has it
    bool bViewable;
};

// The X window that shows the top-level window hWnd; false when there is none.
bool XWindowState(HWND hWnd, CXWindowState& state);
// A click of the left button at a point of the screen (X's and the system's screen
// coordinates are the same here).
bool XClick(POINT ptScreen);

#endif
