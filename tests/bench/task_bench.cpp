// Private memory over many batches of requests, and the cost of the task path (one
// worker thread per task) beside the same POSTs made directly with WinINet on one thread,
// against the stand-in.
// Usage: task_bench [N [BATCHES [MODE]]]    (N = 200, BATCHES = 20, MODE = tasks)
// MODE says what one batch is, so that growth can be told apart by its source:
//   tasks      N tasks through the task registry, then the rate comparison
//   threads    N plain threads that do nothing
//   sessions   N POSTs on this thread, each with a WinINet session of its own
//   shared     N POSTs on this thread through one WinINet session
//   threaded   the same N POSTs, each on a plain thread of its own
//   sockets    N POSTs on this thread with plain Windows Sockets, no WinINet

#include <winsock2.h>

#include "task/taskregistry.h"
#include "tests/support/probetask.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"

#include <windows.h>
#include "tests/bench/benchtools.h"
#include <wininet.h>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const char kPath[] = "/client/Tree/getchildnode.aspx";

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

// One POST with a session of its own, as each task's engine makes it.
bool SessionPost()
{
    HINTERNET hSession = InternetOpenA("bench", INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
    bool bOk = hSession && DirectPost(hSession, "pid=0&");
    if (hSession)
        InternetCloseHandle(hSession);
    return bOk;
}

// The same request as DirectPost, on a socket of its own.
bool SocketPost()
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return false;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(StandIn::Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    char request[256];
    int nLength = snprintf(request, sizeof(request),
                           "POST %s HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                           "Content-Length: 6\r\nConnection: close\r\n\r\npid=0&",
                           kPath);
    bool bOk = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
               send(s, request, nLength, 0) == nLength;
    char buffer[2048];
    while (bOk && recv(s, buffer, sizeof(buffer), 0) > 0) {
    }
    closesocket(s);
    return bOk;
}

DWORD WINAPI Idle(LPVOID)
{
    return 0;
}

DWORD WINAPI PostThread(LPVOID)
{
    return SessionPost() ? 0 : 1;
}

// Runs n threads of the procedure, at most 50 at a time, and waits for all.
void RunThreads(int n, LPTHREAD_START_ROUTINE pfnProc)
{
    for (int nDone = 0; nDone < n;) {
        std::vector<HANDLE> threads;
        for (; nDone < n && threads.size() < 50; ++nDone) {
            HANDLE hThread = CreateThread(NULL, 0, pfnProc, NULL, 0, NULL);
            if (hThread)
                threads.push_back(hThread);
        }
        WaitForMultipleObjects(DWORD(threads.size()), threads.data(), TRUE, 60000);
        for (HANDLE hThread : threads)
            CloseHandle(hThread);
    }
}

// The most tasks (and so worker threads) alive at once in any batch so far: Wine keeps
// the bookkeeping of that many threads for reuse.
int g_nPeakLive = 0;

void NotePeak()
{
    g_nPeakLive = std::max(g_nPeakLive, CProbeTask::s_nLive.load());
}

void RunTasks(int n)
{
    TaskRegistry registry;
    CProbeSink sink;
    for (int i = 0; i < n; ++i) {
        CProbeTask* pTask = new CProbeTask(kPath, 3, &registry, &sink);
        pTask->AddParam("pid", "0");
        registry.ExecuteTask(pTask);
        NotePeak();
    }
    WaitUntil(
        [&] {
            NotePeak();
            return sink.Results().size() >= size_t(n);
        },
        60000, 5);
    WaitForNoLiveTasks(10000);
}

void RunBatch(const char* pszMode, int n)
{
    if (strcmp(pszMode, "threads") == 0) {
        RunThreads(n, Idle);
    } else if (strcmp(pszMode, "sessions") == 0) {
        for (int i = 0; i < n; ++i)
            SessionPost();
    } else if (strcmp(pszMode, "shared") == 0) {
        HINTERNET hSession = InternetOpenA("bench", INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
        for (int i = 0; i < n; ++i)
            DirectPost(hSession, "pid=0&");
        InternetCloseHandle(hSession);
    } else if (strcmp(pszMode, "sockets") == 0) {
        for (int i = 0; i < n; ++i)
            SocketPost();
    } else if (strcmp(pszMode, "threaded") == 0) {
        RunThreads(n, PostThread);
    } else {
        RunTasks(n);
    }
}

void CompareRates(int n)
{
    double t0 = Now();
    RunTasks(n);
    double t1 = Now();
    HINTERNET hSession = InternetOpenA("bench", INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
    int nOk = 0;
    for (int i = 0; i < n; ++i)
        nOk += DirectPost(hSession, "pid=0&");
    InternetCloseHandle(hSession);
    double t2 = Now();
    double taskRate = n / (t1 - t0);
    double directRate = n / (t2 - t1);
    printf("requests: %d (direct ok: %d)\n", n, nOk);
    printf("task path:   %.1f requests/s\n", taskRate);
    printf("direct path: %.1f requests/s\n", directRate);
    printf("cost per request, task/direct: %.2fx\n", directRate / taskRate);
}

double Megabytes(SIZE_T nBytes)
{
    return double(nBytes) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    int n = argc > 1 ? atoi(argv[1]) : 200;
    int nBatches = argc > 2 ? atoi(argv[2]) : 20;
    const char* pszMode = argc > 3 ? argv[3] : "tasks";
    if (n <= 0 || nBatches <= 0 || !StandIn::Reset()) {
        fprintf(stderr, "the service stand-in does not answer on port %d\n", StandIn::Port());
        return 1;
    }
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    // One request first, so WinINet's one-time start-up is not counted as growth.
    SessionPost();
    SIZE_T nStart = PrivateBytes();
    printf("mode %s, %d per batch; private memory at start %.1f MB\n", pszMode, n, Megabytes(nStart));
    SIZE_T nFirst = 0, nHighest = 0, nLast = 0;
    for (int batch = 1; batch <= nBatches; ++batch) {
        RunBatch(pszMode, n);
        Sleep(500);
        nLast = PrivateBytes();
        if (batch == 1)
            nFirst = nLast;
        if (nLast > nHighest)
            nHighest = nLast;
        printf("after batch %2d: %.1f MB (%+.1f MB from batch 1)", batch, Megabytes(nLast),
               Megabytes(nLast) - Megabytes(nFirst));
        if (strcmp(pszMode, "tasks") == 0)
            printf(", most tasks alive at once so far: %d", g_nPeakLive);
        printf("\n");
    }
    printf("private memory: start %.1f MB, after batch 1 %.1f MB, highest %.1f MB, last %.1f MB\n", Megabytes(nStart),
           Megabytes(nFirst), Megabytes(nHighest), Megabytes(nLast));
    if (strcmp(pszMode, "tasks") == 0)
        CompareRates(n);
    return 0;
}
