#ifndef FRAMEWORK_MODALLOOP_H
#define FRAMEWORK_MODALLOOP_H
// The framework's modal loop, shared by its modal windows: it runs until bEnd is set or
// the window is gone, offering each message to PreTranslateMessage up the window chain.
// A quit request ends it and is left for the outer loop.
#include <windows.h>

class CWnd;

void AfxRunModalLoop(CWnd& wnd, const BOOL& bEnd);

#endif
