#include <winsock2.h>

#include "net/httpsocket.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kPath[] = "/dl/client.bin";

class HttpSocket : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer"; }

    // Sends the fixed GET for kPath to the stand-in and reads the response header.
    bool Open(CHttpSocket& http, int nTimeoutMs = 0)
    {
        char szServer[] = "127.0.0.1";
        char szObject[sizeof(kPath)];
        memcpy(szObject, kPath, sizeof(kPath));
        long nLength = 0;
        char szHost[] = "127.0.0.1";
        if (!http.FormatRequestHeader(szServer, szObject, nLength, NULL, NULL, 0, 0, 0) || !http.Socket() ||
            !http.Connect(szHost, StandIn::Port()))
            return false;
        if (nTimeoutMs > 0 && !http.SetTimeout(nTimeoutMs, 0))
            return false;
        return http.SendRequest(NULL, 0) == 1;
    }

    static std::string ReceiveAll(CHttpSocket& http)
    {
        std::string body;
        char block[1024];
        long n;
        while ((n = http.Receive(block, sizeof(block))) > 0)
            body.append(block, n);
        return body;
    }

    static bool QueueRaw(const std::string& response, int nDelayMs = 0)
    {
        CScriptedReply reply;
        reply.raw = true;
        reply.body = response;
        reply.delayMs = nDelayMs;
        return StandIn::QueueReply(kPath, reply);
    }

    static std::string Field(CHttpSocket& http, const char* name)
    {
        char szValue[30];
        int n = http.GetField(name, szValue, sizeof(szValue));
        return n < 0 ? "<-1>" : std::string(szValue, n);
    }
};

const char kFixedLines[] = "Accept:*/*\r\n"
                           "User-Agent:Mozilla/4.0 (compatible; MSIE 5.00; Windows 98)\r\n"
                           "Connection:Keep-Alive\r\n";

std::string RequestText(CHttpSocket& http, long from, long to, char* cookie = NULL, char* referer = NULL)
{
    char szServer[] = "S", szObject[] = "/d/a.apk";
    long nLength = -5;
    const char* pszHeader = http.FormatRequestHeader(szServer, szObject, nLength, cookie, referer, from, to, 7);
    char buffer[1024];
    int n = http.GetRequestHeader(buffer, sizeof(buffer));
    EXPECT_EQ(n, nLength);
    EXPECT_EQ(std::string(buffer, n), pszHeader ? std::string(pszHeader) : std::string("<null>"));
    return std::string(buffer, n);
}

} // namespace

// Must stay first: before anything else of the process has started Windows Sockets
// (the stand-in helper does), the client must start them itself.
TEST(HttpSocketStartup, StartsWindowsSocketsItself)
{
    SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (probe != INVALID_SOCKET)
        closesocket(probe);
    ASSERT_EQ(INVALID_SOCKET, probe) << "sockets were already started: run this test first";
    ASSERT_EQ(WSANOTINITIALISED, WSAGetLastError());

    CBoxAnswerer answerer;
    CHttpSocket http;
    EXPECT_EQ(1, http.Socket());
    char szHost[] = "localhost";
    EXPECT_EQ(1, http.Connect(szHost, StandIn::Port()));
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(HttpSocket, RequestHeaderIsTheFixedGet)
{
    CHttpSocket http;
    const std::string head = "GET /d/a.apk HTTP/1.1\r\nHost:S\r\n";
    EXPECT_EQ(head + kFixedLines + "\r\n", RequestText(http, 0, 0));
    EXPECT_EQ(head + kFixedLines + "Range: bytes=100-\r\n\r\n", RequestText(http, 100, 50));
    EXPECT_EQ(head + kFixedLines + "Range: bytes=100-200\r\n\r\n", RequestText(http, 100, 200));
    char szCookie[] = "c=1", szReferer[] = "http://r/";
    EXPECT_EQ(head + "Referer:http://r/\r\n" + kFixedLines + "Set Cookie:0c=1\r\n\r\n",
              RequestText(http, 0, 0, szCookie, szReferer));

    // A short destination gets the first bytes only, without a terminator.
    char small[6] = "xxxxx";
    EXPECT_EQ(3, http.GetRequestHeader(small, 3));
    EXPECT_EQ(std::string("GETxx"), small);
}

TEST_F(HttpSocket, RequestThatDoesNotFitIsNotFormatted)
{
    CHttpSocket http;
    char szServer[] = "S";
    std::string object = "/" + std::string(1000, 'o');
    long nLength = -5;
    EXPECT_EQ(nullptr, http.FormatRequestHeader(szServer, &object[0], nLength, NULL, NULL, 0, 0, 0));
    EXPECT_EQ(0, nLength);
    char buffer[1024];
    EXPECT_EQ(0, http.GetRequestHeader(buffer, sizeof(buffer)));
}

TEST_F(HttpSocket, RequestOnTheWireAndBodyAfterHeader)
{
    ASSERT_TRUE(QueueRaw("HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nabc"));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    EXPECT_EQ(404, http.GetServerState());
    EXPECT_EQ("3", Field(http, "Content-Length"));
    EXPECT_EQ("abc", ReceiveAll(http));

    std::vector<CReceivedRequest> requests = StandIn::Requests(kPath);
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ("GET", requests[0].method);
    EXPECT_EQ("127.0.0.1", requests[0].Header("Host"));
    EXPECT_EQ("*/*", requests[0].Header("Accept"));
    EXPECT_EQ("Keep-Alive", requests[0].Header("Connection"));
    EXPECT_EQ(0, requests[0].CountHeader("Range"));
    EXPECT_EQ(4u, requests[0].headers.size());
}

TEST_F(HttpSocket, BodyComesInCallerSizedBlocksInOrder)
{
    std::string body;
    for (int i = 0; i < 150000; ++i)
        body += static_cast<char>(i * 13 % 253);
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, body));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    std::string got;
    char block[1000];
    long n;
    while ((n = http.Receive(block, sizeof(block))) > 0) {
        ASSERT_LE(n, 1000);
        got.append(block, n);
    }
    EXPECT_EQ(0, n);
    EXPECT_TRUE(got == body) << got.size() << " bytes";
    EXPECT_EQ(0, http.Receive(block, sizeof(block)));

    // Closing drops what was received but not handed out.
    ASSERT_TRUE(StandIn::QueueReply(kPath, 200, body));
    CHttpSocket again;
    ASSERT_TRUE(Open(again));
    ASSERT_EQ(10, again.Receive(block, 10));
    EXPECT_EQ(body.substr(0, 10), std::string(block, 10));
    EXPECT_EQ(1, again.CloseSocket());
    EXPECT_EQ(0, again.Receive(block, sizeof(block)));
}

TEST_F(HttpSocket, FieldsAreFoundAnywhereAndBounded)
{
    const std::string big(29, '9');
    ASSERT_TRUE(QueueRaw("HTTP/1.1 200 OK\r\nX-Content-Length: 5\r\nContent-Length: 1234\r\nFits: " + big +
                         "\r\nTooLong: " + big + "9\r\n\r\n"));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    EXPECT_EQ("5", Field(http, "Content-Length"));
    EXPECT_EQ("1234", Field(http, "\nContent-Length"));
    EXPECT_EQ(big, Field(http, "Fits"));
    EXPECT_EQ("<-1>", Field(http, "Missing"));
    EXPECT_EQ("<-1>", Field(http, "content-length"));

    // A value of the buffer's size does not fit with its terminator: -1, nothing past the buffer.
    char area[40];
    memset(area, 'G', sizeof(area));
    EXPECT_EQ(-1, http.GetField("TooLong", area, 30));
    EXPECT_EQ(std::string(10, 'G'), std::string(area + 30, 10));
    EXPECT_EQ(200, http.GetServerState());
}

TEST_F(HttpSocket, LinesComeInOrderThenMinusOneThenAgain)
{
    ASSERT_TRUE(QueueRaw("HTTP/1.1 200 OK\r\nA: 1\r\n\r\n"));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    char szLine[64];
    std::vector<std::string> lines;
    for (int i = 0; i < 5; ++i) {
        int n = http.GetResponseLine(szLine, sizeof(szLine));
        lines.push_back(n < 0 ? "<-1>" : std::string(szLine, n));
    }
    EXPECT_EQ((std::vector<std::string>{"HTTP/1.1 200 OK\r\n", "A: 1\r\n", "\r\n", "<-1>", "HTTP/1.1 200 OK\r\n"}),
              lines);
    // A line longer than the destination comes in pieces.
    EXPECT_EQ(4, http.GetResponseLine(szLine, 4));
    EXPECT_EQ("A: 1", std::string(szLine, 4));
    EXPECT_EQ(2, http.GetResponseLine(szLine, 4));
}

TEST_F(HttpSocket, HeaderOver1024BytesIsCutAndTheRestIsBody)
{
    // The Content-Length line straddles the cut: its number must not pass as a size.
    std::string status = "HTTP/1.1 200 OK\r\n";
    std::string pad = "X-Pad: " + std::string(1024 - status.size() - 9 - 20, 'p') + "\r\n";
    std::string response = status + pad + "Content-Length: 123456789\r\n\r\nBODY";
    ASSERT_TRUE(QueueRaw(response));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    int nLength = 0;
    const char* pszHeader = http.GetResponseHeader(nLength);
    ASSERT_EQ(1024, nLength);
    EXPECT_EQ(response.substr(0, 1024), std::string(pszHeader, nLength));
    EXPECT_EQ("<-1>", Field(http, "Content-Length"));
    EXPECT_EQ(response.substr(1024), ReceiveAll(http));
}

TEST_F(HttpSocket, NothingBeforeAHeader)
{
    CHttpSocket http;
    char buffer[30];
    EXPECT_EQ(-1, http.GetServerState());
    EXPECT_EQ(-1, http.GetField("Content-Length", buffer, sizeof(buffer)));
    EXPECT_EQ(-1, http.GetResponseLine(buffer, sizeof(buffer)));
}

TEST_F(HttpSocket, RefusedCallsShowNoBox)
{
    CBoxAnswerer answerer;
    CHttpSocket http;
    EXPECT_EQ(0, http.Connect(NULL, 80));
    // Not connected: nothing is sent and nothing received.
    EXPECT_EQ(0, http.SendRequest("x", 1));
    char buffer[8] = "keep";
    EXPECT_EQ(0, http.Receive(buffer, sizeof(buffer)));
    EXPECT_STREQ("keep", buffer);

    ASSERT_TRUE(QueueRaw("HTTP/1.1 200 OK\r\n\r\n"));
    ASSERT_TRUE(Open(http));
    EXPECT_EQ(0, http.Socket());
    EXPECT_EQ(1, http.CloseSocket());
    EXPECT_EQ(0, http.Receive(buffer, sizeof(buffer)));
    EXPECT_EQ(200, http.GetServerState()); // the header outlives the socket
    Sleep(200);
    EXPECT_TRUE(answerer.Boxes().empty());
}

// Connecting again leaves the old connection for a new socket, on which the next request goes.
TEST_F(HttpSocket, ConnectWhileConnectedOpensANewSocket)
{
    CBoxAnswerer answerer;
    ASSERT_TRUE(QueueRaw("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"));
    CHttpSocket http;
    ASSERT_TRUE(Open(http));
    EXPECT_EQ(200, http.GetServerState());
    char szHost[] = "127.0.0.1";
    EXPECT_EQ(1, http.Connect(szHost, StandIn::Port()));
    EXPECT_EQ(1, http.SendRequest(NULL, 0));
    StandIn::WaitForRequests(kPath, 2, 2500, 50);
    EXPECT_EQ(2u, StandIn::Requests(kPath).size());
    Sleep(200);
    EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(HttpSocket, FailedConnectShowsItsBox)
{
    CBoxAnswerer answerer;
    CHttpSocket http;
    ASSERT_EQ(1, http.Socket());
    char szHost[] = "127.0.0.1";
    EXPECT_EQ(0, http.Connect(szHost, StandIn::ClosedPort()));
    EXPECT_EQ(0, http.SendRequest(NULL, 0));
    std::vector<std::string> boxes = answerer.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("错误|connect()函数执行失败!", boxes[0]);
}

TEST_F(HttpSocket, SilentServerTimesOutDuringTheHeader)
{
    ASSERT_TRUE(QueueRaw("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 3000));
    CHttpSocket http;
    DWORD dwStart = GetTickCount();
    ASSERT_TRUE(Open(http, 300));
    EXPECT_LT(GetTickCount() - dwStart, 2500u);
    int nLength = -5;
    http.GetResponseHeader(nLength);
    EXPECT_EQ(0, nLength);
    char block[16];
    EXPECT_EQ(-1, http.Receive(block, sizeof(block)));
    EXPECT_EQ(0, http.Receive(block, sizeof(block))); // the time-out closed it
}
