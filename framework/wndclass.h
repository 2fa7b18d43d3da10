#ifndef FRAMEWORK_WNDCLASS_H
#define FRAMEWORK_WNDCLASS_H
// The window classes of the framework's own windows: one class per set of attributes,
// registered on first use. Windows of these classes are attached to their objects at
// creation (CCreationHook), like windows of any other class.
#include <windows.h>

// The name of a registered class with these attributes; NULL when it cannot be registered.
const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = NULL, HBRUSH hbrBackground = NULL,
                                HICON hIcon = NULL);

#endif
