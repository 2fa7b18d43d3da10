// Update's start to its wizard beside Velora's start to its window in the same Wine
// session, then one installer fetched through Update's own download worker, timed from
// the answered save dialog to the completion box, with Update's private memory sampled
// meanwhile. Usage: update_bench NAME [runs], NAME a file in the stand-in's files folder.

#include "tests/support/appdriver.h"
#include "tests/support/dialogs.h"
#include "tests/support/standin.h"

#include <windows.h>
#include "tests/bench/benchtools.h"
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double VeloraToWindow()
{
    CAppDriver velora(WinePath(VELORA_EXE));
    double t0 = Now();
    velora.Start();
    HWND hFrame = velora.WaitForWindow("Velora", NULL, 30000);
    double dSeconds = Now() - t0;
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 0;
    velora.WaitForExit(10000, dwExitCode);
    return dSeconds;
}

// Waits for the completion box of the download while sampling Update's private memory.
bool WaitForDone(CAppDriver& update, SIZE_T& nLow, SIZE_T& nHigh)
{
    nLow = nHigh = PrivateBytes(update.Process());
    for (;;) {
        std::string box = AnswerMessageBox(update.ProcessId(), IDOK, 200);
        if (!box.empty())
            return box.find("完成") != std::string::npos;
        SIZE_T nNow = PrivateBytes(update.Process());
        nLow = nNow < nLow ? nNow : nLow;
        nHigh = nNow > nHigh ? nNow : nHigh;
        DWORD dwExitCode = 0;
        if (update.WaitForExit(0, dwExitCode))
            return false;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: update_bench NAME [runs]\n");
        return 2;
    }
    std::string name = argv[1];
    int nRuns = argc > 2 ? atoi(argv[2]) : 1;
    if (!StandIn::Reset()) {
        fprintf(stderr, "the service stand-in does not answer\n");
        return 1;
    }
    for (int run = 0; run < nRuns; ++run) {
        double tVelora = VeloraToWindow();

        StandIn::QueueReply("/client/update/", 200,
                            "{\"errorcode\":0,\"data\":{\"updatetype\":\"1\",\"info\":\"a|b\",\"downurl\":\"http://" +
                                StandIn::DownloadHost() + "/files/" + name + "\"}}");
        CAppDriver update(WinePath(UPDATE_EXE));
        update.Install(WinePath(VELORA_EXE), "Velora.exe");
        double t0 = Now();
        update.Start();
        HWND hSheet = update.WaitForWindow("维罗路书升级", "#32770", 30000);
        double tUpdate = Now() - t0;
        if (!hSheet)
            return 1;
        PostMessage(hSheet, WM_COMMAND, MAKEWPARAM(0x3024, BN_CLICKED), (LPARAM)GetDlgItem(hSheet, 0x3024));
        HWND hDialog = WaitForFileDialog(update.ProcessId());
        if (!hDialog || !AnswerFileDialog(hDialog, update.Folder() + "installer.exe"))
            return 1;
        t0 = Now();
        SIZE_T nLow = 0, nHigh = 0;
        bool bDone = WaitForDone(update, nLow, nHigh);
        double tDownload = Now() - t0;
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA((update.Folder() + "installer.exe").c_str(), GetFileExInfoStandard, &data);
        double dBytes = double(data.nFileSizeLow) + double(data.nFileSizeHigh) * 4294967296.0;
        printf("run %d: Velora window %.0f ms; Update wizard %.0f ms (%.2fx)\n", run + 1, tVelora * 1000,
               tUpdate * 1000, tUpdate / tVelora);
        printf("       installer %.1f MB %s in %.2f s = %.1f MB/s; Update private memory %lu..%lu KB during it\n",
               dBytes / 1048576.0, bDone ? "complete" : "INCOMPLETE", tDownload, dBytes / tDownload / 1048576.0,
               (unsigned long)(nLow / 1024), (unsigned long)(nHigh / 1024));
        PostMessage(hSheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(hSheet, IDCANCEL));
        DWORD dwExitCode = 0;
        update.WaitForExit(10000, dwExitCode);
    }
    return 0;
}
