#ifndef MSG_MESSAGES_H
#define MSG_MESSAGES_H

#include <windows.h>

// Every window message number of the system, in one place.

// Download worker to the status bar: wParam 0, lParam the worker's progress text ("42%"),
// valid only while the message is handled.
#define WM_DOWNLOAD_PROGRESS (WM_USER + 106)
// Download worker to the status bar: the transfer ended; wParam 0 complete, 1 not.
#define WM_DOWNLOAD_DONE (WM_USER + 108)

#endif
