#ifndef UTIL_WINDOWMESSAGES_H
#define UTIL_WINDOWMESSAGES_H

#include <windows.h>

// Every window message number of the system, in one place. Results of service tasks
// are sent (synchronously) to the window that started the task, wParam 0.

// Tray icon's callback message to the main frame; lParam the mouse message.
#define WM_TRAY_NOTIFY (WM_USER + 5)
// Node list of one node's children (task id 4): lParam the node of the frame's tree.
#define WM_NODE_CHILDREN_READY (WM_USER + 100)
// Top-level categories loaded into the frame's tree (task id 3).
#define WM_NODE_LIST_READY (WM_USER + 101)
// Account bound (login task id 1), to the settings dialog.
#define WM_BIND_OK (WM_USER + 102)
// Account registered, to the register dialog.
#define WM_REGISTER_OK (WM_USER + 103)
// Logged in (login task id 0), to the main frame or the login dialog.
#define WM_LOGIN_OK (WM_USER + 104)
// Member profile: lParam a new CUserProfile that the receiver owns and deletes.
#define WM_USERINFO_READY (WM_USER + 105)
// Download worker to the status bar: wParam 0, lParam the worker's progress text ("42%"),
// valid only while the message is handled.
#define WM_DOWNLOAD_PROGRESS (WM_USER + 106)
// A page asks for a download: lParam a new copy of the address, owned by the status bar.
#define WM_DOWNLOAD_START (WM_USER + 107)
// To the main frame: a category's whole subtree merged into the tree; lParam its root.
#define WM_NODE_TREE_READY (WM_USER + 108)
// Download worker to the status bar (same number, another receiver): the transfer
// ended; wParam 0 complete, 1 not.
#define WM_DOWNLOAD_DONE (WM_USER + 108)
// A newer client version is offered (version check, update type 1).
#define WM_NEW_VERSION (WM_USER + 109)
// Updater: installer download worker to the wizard's second page, after each block;
// lParam a new CInstallerProgress that the page frees when its handler returns TRUE.
#define WM_INSTALLER_PROGRESS (WM_USER + 101)
// Updater: the installer download ended; wParam 0 when the whole length arrived, else 1.
#define WM_INSTALLER_DOWNLOADED (WM_USER + 102)
// Browser view to itself, posted: a navigation to repeat with the client's headers.
#define WM_DEFERRED_NAVIGATE (WM_USER + 1000)

#endif
