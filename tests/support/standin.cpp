#include "tests/support/standin.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include "tests/support/wait.h"

#include <json/json.h>
#include <cstdio>
#include <memory>
#include <strings.h>

#ifndef VELORA_STANDIN_PORT
#error "VELORA_STANDIN_PORT must name the stand-in's port"
#endif

namespace {

void StartSockets()
{
    static bool s_bStarted = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)s_bStarted;
}

std::string UrlEncode(const std::string& text)
{
    std::string out;
    char hex[4];
    for (unsigned char ch : text) {
        if (isalnum(ch) || ch == '-' || ch == '_' || ch == '.' || ch == '~') {
            out += static_cast<char>(ch);
        } else {
            snprintf(hex, sizeof(hex), "%%%02X", ch);
            out += hex;
        }
    }
    return out;
}

// One HTTP/1.0 exchange with the stand-in; the reply body, or false.
bool Exchange(const std::string& method, const std::string& target, const std::string& body, std::string& reply)
{
    StartSockets();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return false;
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<u_short>(StandIn::Port()));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0) {
        closesocket(s);
        return false;
    }
    std::string request = method + " " + target +
                          " HTTP/1.0\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(body.size()) +
                          "\r\n\r\n" + body;
    send(s, request.data(), static_cast<int>(request.size()), 0);
    std::string response;
    char buffer[4096];
    int n;
    while ((n = recv(s, buffer, sizeof(buffer), 0)) > 0)
        response.append(buffer, n);
    closesocket(s);
    size_t end = response.find("\r\n\r\n");
    if (end == std::string::npos || response.compare(0, 12, "HTTP/1.1 200") != 0)
        return false;
    reply = response.substr(end + 4);
    return true;
}

std::string FromHex(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

} // namespace

int CReceivedRequest::CountHeader(const std::string& name) const
{
    int n = 0;
    for (const auto& header : headers)
        n += strcasecmp(header.first.c_str(), name.c_str()) == 0;
    return n;
}

std::string CReceivedRequest::Header(const std::string& name) const
{
    for (const auto& header : headers) {
        if (strcasecmp(header.first.c_str(), name.c_str()) == 0)
            return header.second;
    }
    return std::string();
}

namespace StandIn {

int Port()
{
    return VELORA_STANDIN_PORT;
}

std::string DownloadHost()
{
    return "127.0." + std::to_string(Port() / 256) + "." + std::to_string(Port() % 256);
}

std::string Root()
{
    return "http://127.0.0.1:" + std::to_string(Port());
}

bool Reset()
{
    std::string reply;
    return Exchange("POST", "/_standin/reset", "", reply);
}

bool QueueReply(const std::string& path, const CScriptedReply& scripted)
{
    std::string target = "/_standin/reply?path=" + UrlEncode(path) + "&status=" + std::to_string(scripted.status) +
                         "&delay_ms=" + std::to_string(scripted.delayMs);
    for (const std::string& header : scripted.headers)
        target += "&header=" + UrlEncode(header);
    if (scripted.raw)
        target += "&raw=1";
    if (scripted.truncate >= 0)
        target += "&truncate=" + std::to_string(scripted.truncate);
    if (scripted.pauseAfter >= 0)
        target +=
            "&pause_after=" + std::to_string(scripted.pauseAfter) + "&pause_ms=" + std::to_string(scripted.pauseMs);
    std::string reply;
    return Exchange("POST", target, scripted.body, reply);
}

bool QueueReply(const std::string& path, int status, const std::string& body)
{
    CScriptedReply reply;
    reply.status = status;
    reply.body = body;
    return QueueReply(path, reply);
}

std::vector<CReceivedRequest> Requests(const std::string& path)
{
    std::vector<CReceivedRequest> requests;
    std::string text;
    if (!Exchange("GET", "/_standin/requests?path=" + UrlEncode(path), "", text))
        return requests;
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    if (!reader->parse(text.data(), text.data() + text.size(), &root, nullptr) || !root.isArray())
        return requests;
    for (const Json::Value& item : root) {
        CReceivedRequest request;
        request.method = item["method"].asString();
        request.path = item["path"].asString();
        request.query = item["query"].asString();
        for (const Json::Value& header : item["headers"])
            request.headers.emplace_back(header[0].asString(), header[1].asString());
        request.body = FromHex(item["body_hex"].asString());
        requests.push_back(request);
    }
    return requests;
}

std::vector<CReceivedRequest> WaitForRequests(const std::string& path, size_t n, unsigned long dwTimeoutMs,
                                              unsigned long dwPollMs)
{
    std::vector<CReceivedRequest> requests;
    WaitUntil([&] { return (requests = Requests(path)).size() >= n; }, dwTimeoutMs, dwPollMs);
    return requests;
}

int ClosedPort()
{
    StartSockets();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    int len = sizeof(addr);
    getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    closesocket(s);
    return ntohs(addr.sin_port);
}

} // namespace StandIn
