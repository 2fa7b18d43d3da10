#ifndef TESTS_SUPPORT_STANDIN_H
#define TESTS_SUPPORT_STANDIN_H

// The test side of the service stand-in: scripts its next replies and reads back
// what it received, over plain sockets (independent of the code under test).

#include <string>
#include <utility>
#include <vector>

struct CReceivedRequest {
    std::string method;
    std::string path;
    std::string query;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    int CountHeader(const std::string& name) const;
    std::string Header(const std::string& name) const;
};

struct CScriptedReply {
    int status = 200;
    std::string body;
    int delayMs = 0;
    std::vector<std::string> headers; // "Name: value"
    bool raw = false;                 // body is the whole response
    int truncate = -1;                // send only this many body bytes, then close
    int pauseAfter = -1;              // after this many body bytes, wait pauseMs before the rest
    int pauseMs = 0;
};

namespace StandIn {
// "http://127.0.0.1:<port>"
std::string Root();
int Port();
// The loopback address on whose port 80 the run's stand-in serves downloads:
// "127.0.<port / 256>.<port % 256>" (see test-run.sh).
std::string DownloadHost();
bool Reset();
bool QueueReply(const std::string& path, const CScriptedReply& reply);
bool QueueReply(const std::string& path, int status, const std::string& body);
std::vector<CReceivedRequest> Requests(const std::string& path);
// The requests on the path once there are at least n, or those there are after dwTimeoutMs.
std::vector<CReceivedRequest> WaitForRequests(const std::string& path, size_t n, unsigned long dwTimeoutMs = 15000,
                                              unsigned long dwPollMs = 100);
// A port on 127.0.0.1 where nothing listens.
int ClosedPort();
} // namespace StandIn

#endif
