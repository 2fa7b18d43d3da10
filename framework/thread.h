#ifndef FRAMEWORK_THREAD_H
#define FRAMEWORK_THREAD_H

#include <windows.h>

// The procedure of a framework worker thread; its result is the thread's exit code.
typedef UINT (*AFX_THREADPROC)(LPVOID pParam);

// Starts pfnThreadProc(pParam) on a new worker thread. Workers are never joined, so
// the thread handle is closed at once; the result is the thread id, 0 on failure (the
// procedure then never runs and pParam stays the caller's). An exception escaping the
// procedure ends the thread with exit code 1 instead of unwinding through system frames.
DWORD AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                     UINT nStackSize = 0);

#endif
