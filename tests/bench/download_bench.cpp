// Downloads one file from the stand-in with CHttpSocket in 1024-byte blocks, as the
// download worker does, and prints its rate and memory; run by hand beside curl.
// Usage: download_bench HOST PORT OBJECT   (e.g. 127.0.0.1 8080 /files/big.bin)

#include <winsock2.h>

#include "net/httpsocket.h"

#include <windows.h>
#include "tests/bench/benchtools.h"
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: download_bench HOST PORT OBJECT\n");
        return 2;
    }
    std::string host = argv[1], object = argv[3];
    CHttpSocket http;
    long nLength = 0;
    if (!http.FormatRequestHeader(&host[0], &object[0], nLength, NULL, NULL, 0, 0, 0))
        return 1;
    double dStart = Now();
    if (!http.Socket() || !http.Connect(&host[0], atoi(argv[2])) || !http.SendRequest(NULL, 0))
        return 1;
    char szSize[30];
    long long nExpected = http.GetField("Content-Length", szSize, sizeof(szSize)) > 0 ? atoll(szSize) : 0;
    SIZE_T nMemStart = PrivateBytes(), nMemPeak = nMemStart;
    char block[1024];
    long long nReceived = 0;
    long n;
    while (nReceived < nExpected && (n = http.Receive(block, sizeof(block))) > 0) {
        nReceived += n;
        if ((nReceived & 0xFFFFF) < 1024) {
            SIZE_T nMem = PrivateBytes();
            nMemPeak = nMem > nMemPeak ? nMem : nMemPeak;
        }
    }
    double dSeconds = Now() - dStart;
    printf("CHttpSocket: %lld of %lld bytes in %.2f s = %.1f MB/s; private bytes %lu KB at start, %lu KB peak\n",
           nReceived, nExpected, dSeconds, nReceived / dSeconds / 1048576.0,
           static_cast<unsigned long>(nMemStart / 1024), static_cast<unsigned long>(nMemPeak / 1024));
    return nReceived == nExpected ? 0 : 1;
}
