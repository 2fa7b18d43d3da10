// Start-up time and memory of Velora beside a minimal one-window program, under the
// same Wine session, and Velora's memory after many caption repaints and node results.
// Usage: startup_bench [runs]

#include "tests/support/appdriver.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"
#include "util/windowmessages.h"

#include <windows.h>
#include "tests/bench/benchtools.h"
#include <cstdio>
#include <cstdlib>

namespace {

size_t RequestCount()
{
    return StandIn::Requests("/client/update/").size() + StandIn::Requests("/client/Tree/getchildnode.aspx").size() +
           StandIn::Requests("/client/login/").size();
}

void Close(CAppDriver& app, HWND hWnd)
{
    PostMessage(hWnd, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 0;
    app.WaitForExit(10000, dwExitCode);
}

} // namespace

int main(int argc, char** argv)
{
    int nRuns = argc > 1 ? atoi(argv[1]) : 3;
    if (!StandIn::Reset()) {
        fprintf(stderr, "the service stand-in does not answer\n");
        return 1;
    }
    for (int run = 0; run < nRuns; ++run) {
        CAppDriver minimal(WinePath(VELORA_MINIMAL));
        double t0 = Now();
        minimal.Start();
        HWND hMinimal = minimal.WaitForWindow("Minimal", NULL, 30000);
        double tMinimal = Now() - t0;
        Close(minimal, hMinimal);

        StandIn::Reset();
        StandIn::QueueReply(
            "/client/Tree/getchildnode.aspx", 200,
            "{\"errorcode\":0,\"data\":{\"table\":[{\"nodeid\":\"10\",\"pid\":\"0\",\"isleaf\":\"0\"}]}}");
        CAppDriver velora(WinePath(VELORA_EXE));
        velora.WriteFile("data\\config.vr", std::string("\x09traveller\x07secret1", 18));
        t0 = Now();
        velora.Start();
        HWND hFrame = velora.WaitForFrame("Velora", 30000);
        double tWindow = Now() - t0;
        WaitUntil([] { return RequestCount() >= 3; }, 30000, 5);
        double tRequests = Now() - t0;
        Sleep(1000);
        SIZE_T started = PrivateBytes(velora.Process());

        for (int i = 0; i < 1000; ++i)
            SendMessage(hFrame, WM_NCPAINT, 1, 0);
        SIZE_T afterPaints = PrivateBytes(velora.Process());
        for (int i = 0; i < 100; ++i) {
            SendMessage(hFrame, WM_NODE_LIST_READY, 0, 0);
            Sleep(20);
        }
        Sleep(2000);
        SIZE_T afterNodes = PrivateBytes(velora.Process());
        printf("run %d: minimal window %.0f ms; Velora window %.0f ms (%.2fx), three requests at %.0f ms\n", run + 1,
               tMinimal * 1000, tWindow * 1000, tWindow / tMinimal, tRequests * 1000);
        printf("       Velora private memory: started %lu KB, after 1000 caption repaints %lu KB, after 100 node "
               "results %lu KB (%u subtree requests)\n",
               (unsigned long)(started / 1024), (unsigned long)(afterPaints / 1024), (unsigned long)(afterNodes / 1024),
               (unsigned)StandIn::Requests("/client/tree/getchildnoebyrootnode.aspx").size());
        Close(velora, hFrame);
    }
    return 0;
}
