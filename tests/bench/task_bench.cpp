// Compares N requests through the task registry (one worker thread per task) with
// the same N POSTs made directly with WinINet on one thread, against the stand-in.
// Usage: task_bench [N]

#include "task/taskregistry.h"
#include "tests/support/probetask.h"
#include "tests/support/standin.h"

#include <windows.h>
#include "tests/bench/privatebytes.h"
#include <wininet.h>
#include <cstdio>
#include <cstdlib>

namespace {

const char kPath[] = "/client/Tree/getchildnode.aspx";

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

bool DirectPost(HINTERNET hSession, const char* pszBody)
{
    HINTERNET hConnect = InternetConnectA(hSession, "127.0.0.1", static_cast<INTERNET_PORT>(StandIn::Port()), NULL,
                                          NULL, INTERNET_SERVICE_HTTP, 0, 1);
    if (!hConnect)
        return false;
    HINTERNET hRequest = HttpOpenRequestA(hConnect, "POST", kPath, NULL, NULL, NULL, INTERNET_FLAG_EXISTING_CONNECT, 1);
    bool bOk = false;
    if (hRequest) {
        const char szHeaders[] = "Content-Type: application/x-www-form-urlencoded\r\n";
        if (HttpSendRequestA(hRequest, szHeaders, -1, const_cast<char*>(pszBody), DWORD(strlen(pszBody)))) {
            char buffer[2048];
            DWORD dwRead = 0;
            while (InternetReadFile(hRequest, buffer, sizeof(buffer), &dwRead) && dwRead > 0)
                bOk = true;
        }
        InternetCloseHandle(hRequest);
    }
    InternetCloseHandle(hConnect);
    return bOk;
}

} // namespace

int main(int argc, char** argv)
{
    int n = argc > 1 ? atoi(argv[1]) : 200;
    if (n <= 0 || !StandIn::Reset()) {
        fprintf(stderr, "the service stand-in does not answer on port %d\n", StandIn::Port());
        return 1;
    }
    // One request first, so WinINet's one-time start-up is not counted as growth.
    HINTERNET hWarm = InternetOpenA("bench", INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
    DirectPost(hWarm, "pid=0&");
    InternetCloseHandle(hWarm);
    SIZE_T startBytes = PrivateBytes();
    SIZE_T peakBytes = startBytes;

    // Two batches: growth in the second one would be a leak, not start-up cost.
    LARGE_INTEGER t0, t1, t2;
    SIZE_T afterFirst = 0;
    SIZE_T afterTasks = 0;
    for (int batch = 0; batch < 2; ++batch) {
        TaskRegistry registry;
        CProbeSink sink;
        QueryPerformanceCounter(&t0);
        for (int i = 0; i < n; ++i) {
            CProbeTask* pTask = new CProbeTask(kPath, 3, &registry, &sink);
            pTask->AddParam("pid", "0");
            registry.ExecuteTask(pTask);
            if (PrivateBytes() > peakBytes)
                peakBytes = PrivateBytes();
        }
        while (!sink.WaitFor(n, 20)) {
            if (PrivateBytes() > peakBytes)
                peakBytes = PrivateBytes();
        }
        WaitForNoLiveTasks(10000);
        QueryPerformanceCounter(&t1);
        Sleep(500);
        (batch == 0 ? afterFirst : afterTasks) = PrivateBytes();
    }

    HINTERNET hSession = InternetOpenA("bench", INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
    int nOk = 0;
    for (int i = 0; i < n; ++i)
        nOk += DirectPost(hSession, "pid=0&");
    InternetCloseHandle(hSession);
    QueryPerformanceCounter(&t2);

    double taskRate = n / Seconds(t0, t1);
    double directRate = n / Seconds(t1, t2);
    printf("requests: %d (direct ok: %d)\n", n, nOk);
    printf("task path:   %.1f requests/s\n", taskRate);
    printf("direct path: %.1f requests/s\n", directRate);
    printf("cost per request, task/direct: %.2fx\n", directRate / taskRate);
    printf("private memory: start %lu KB, peak %lu KB, after batch 1 %lu KB, after batch 2 %lu KB\n",
           (unsigned long)(startBytes / 1024), (unsigned long)(peakBytes / 1024), (unsigned long)(afterFirst / 1024),
           (unsigned long)(afterTasks / 1024));
    return 0;
}
