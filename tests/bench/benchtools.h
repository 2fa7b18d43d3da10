#ifndef TESTS_BENCH_BENCHTOOLS_H
#define TESTS_BENCH_BENCHTOOLS_H

// What every benchmark measures with: a clock and a process's private memory. The
// benchmarks that run windows wait and pump with tests/support/wait.h.

#include <windows.h>
#include <psapi.h>

// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// A process's private memory (commit charge). Wine leaves PrivateUsage at 0; the
// pagefile usage is the same figure there.
inline SIZE_T PrivateBytes(HANDLE hProcess = GetCurrentProcess())
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

#endif
