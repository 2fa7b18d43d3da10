#ifndef UPDATE_CLIENTPROCESS_H
#define UPDATE_CLIENTPROCESS_H
// Ending the running client before its uninstaller starts.

// Terminates (exit code 4) every process that shows a top-level window titled "Velora"
// (the platform compares titles without regard to case) and whose executable is
// "Velora.exe" in the updater's own folder. Other programs with such a window, a folder
// view named Velora for one, are left alone. Reports nothing and waits for nothing.
void TerminateRunningClient();

#endif
