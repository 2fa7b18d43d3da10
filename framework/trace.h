#ifndef FRAMEWORK_TRACE_H
#define FRAMEWORK_TRACE_H

// Debug tracing to the debugger (OutputDebugString). The text is formatted into a
// bounded buffer and cut there; pass service data as an argument, never as the format.
void AfxTrace(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));

#define TRACE AfxTrace

#endif
