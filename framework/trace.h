#ifndef FRAMEWORK_TRACE_H
#define FRAMEWORK_TRACE_H

// Debug tracing to the debugger (OutputDebugString) and debug assertions, in
// diagnostic builds only (_DEBUG, or NDEBUG not defined). Elsewhere both compile to
// nothing: the arguments are still checked by the compiler but never evaluated, so a
// shipped program writes nothing (traces include the stored account) and an argument's
// side effects never happen.
//
// The text is formatted into a bounded buffer and cut there; pass service data as an
// argument, never as the format.
void AfxTrace(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
// Traces the failed condition with its place and stops in an attached debugger.
void AfxAssertFailed(const char* pszCondition, const char* pszFile, int nLine);

#if defined(_DEBUG) || !defined(NDEBUG)
#define FRAMEWORK_DIAGNOSTICS 1
#else
#define FRAMEWORK_DIAGNOSTICS 0
#endif

#if FRAMEWORK_DIAGNOSTICS
#define TRACE(...) AfxTrace(__VA_ARGS__)
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(#f, __FILE__, __LINE__))
#else
#define TRACE(...)                                                                                                     \
    do {                                                                                                               \
        if (false)                                                                                                     \
            AfxTrace(__VA_ARGS__);                                                                                     \
    } while (false)
#define ASSERT(f)                                                                                                      \
    do {                                                                                                               \
        if (false)                                                                                                     \
            (void)(f);                                                                                                 \
    } while (false)
#endif

#endif
