#ifndef UTIL_PROCESS_H
#define UTIL_PROCESS_H

// The processes around the client: starting the updater beside it and finding a
// client that already runs.

#include "framework/cstring.h"

// Starts the program at strPath (no arguments); reports nothing.
void LaunchProgram(const CString& strPath);
// Starts "Update.exe" from the executable's folder; reports nothing.
void LaunchUpdater();
// True when a top-level window titled "Velora" exists whose process runs an executable
// named "Velora.exe" (any folder, any letter case).
bool IsAppRunning();
// Ends this process at once with nExitCode: no window is destroyed, nothing is saved
// and no exit handling runs.
void TerminateOwnProcess(unsigned int nExitCode);

#endif
