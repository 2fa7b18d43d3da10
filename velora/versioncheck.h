#ifndef VELORA_VERSIONCHECK_H
#define VELORA_VERSIONCHECK_H

// Asking the service for a newer client, from the main frame at start or from the
// settings dialog on request. The task reports to hNotifyWnd; only the main frame's
// check stays silent about failures and a current version.

#include <windows.h>

void StartVersionCheck(HWND hNotifyWnd);
// The answer to WM_NEW_VERSION in either window: asks, in a box owned by hOwner,
// whether to update, and on OK starts the updater. The client goes on running.
LRESULT OnCheckVersionResult(HWND hOwner);

#endif
