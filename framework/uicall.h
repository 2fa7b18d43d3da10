#ifndef FRAMEWORK_UICALL_H
#define FRAMEWORK_UICALL_H
// Runs a piece of code on the UI thread, synchronously, from any thread.
//
// Worker threads never touch windows or UI-owned data themselves: they hand a function
// to the UI thread through a SendMessage to a message-only window the UI thread owns, and
// wait until it has run. While the UI thread runs it no paint or click of the UI thread
// can come in between. When that window is gone (the application is ending or was never
// started) the call runs nothing and reports FALSE, so the caller frees what it would
// have handed over.
#include <windows.h>
#include <functional>

class CUiCall {
public:
    // Makes the calling thread the UI thread; FALSE when the window cannot be made.
    static BOOL CreateWindowForThread();
    // From now on calls fail; calls already waiting fail too.
    static void DestroyWindowForThread();
    // TRUE when fn ran on the UI thread (directly when called from it). fn must not throw;
    // an exception is caught there and the call still counts as run.
    static BOOL Call(const std::function<void()>& fn);
    // TRUE on the thread that made the window, while it stands.
    static BOOL IsUiThread();

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

#endif
