#ifndef TESTS_BENCH_PRIVATEBYTES_H
#define TESTS_BENCH_PRIVATEBYTES_H

#include <windows.h>
#include <psapi.h>

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
