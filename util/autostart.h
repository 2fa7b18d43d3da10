#ifndef UTIL_AUTOSTART_H
#define UTIL_AUTOSTART_H

// Starting the client with Windows: the value "Velora" under the machine's Run key
// holds the executable's path in double quotes. Only the value's presence counts.

#include <windows.h>

BOOL IsAutoStart();
BOOL SetAutoStart();
BOOL RemoveAutoStart();

#endif
