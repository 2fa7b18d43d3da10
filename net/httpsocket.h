#ifndef NET_HTTPSOCKET_H
#define NET_HTTPSOCKET_H

#include <windows.h>

// Windows Sockets types by declaration only: including winsock2.h here would clash
// with includers that already have windows.h.
struct hostent;

// A small HTTP/1.1 GET client on a raw TCP socket: builds a fixed request header, sends
// it, reads the response header byte by byte (so every body byte stays in the socket),
// answers questions about that header and hands out the body in caller-sized blocks.
// Failures are return values; a failing socket call also shows a modal box captioned
// "错误". The programs that link it export the whole class. One object, one thread.
class __declspec(dllexport) CHttpSocket {
public:
    CHttpSocket();
    CHttpSocket(const CHttpSocket& other);
    CHttpSocket& operator=(const CHttpSocket& other);
    virtual ~CHttpSocket();

    int Socket();
    int Connect(char* host, int port);
    int SetTimeout(int milliseconds, int type);
    // NULL when the header does not fit its 1024-byte buffer: then it is left empty.
    const char* FormatRequestHeader(char* server, char* object, long& length, char* cookie, char* referer, long from,
                                    long to, int serverType);
    int SendRequest(const char* data, long length);
    int GetRequestHeader(char* buffer, int length) const;
    const char* GetResponseHeader(int& length);
    int GetResponseLine(char* buffer, int length);
    // -1 also when the value does not fit buffer with its terminator, or when no CR LF
    // ends it (a header cut at 1024 bytes): a cut number would pass as a size.
    int GetField(const char* name, char* buffer, int length);
    int GetServerState();
    long Receive(char* buffer, long length);
    int CloseSocket();

private:
    enum { HEADER_SIZE = 1024, READ_AHEAD_SIZE = 65536 };

    bool AppendRequest(const char* text);
    int FindInHeader(const char* text, int nStart) const;

    char m_requestHeader[HEADER_SIZE];
    char m_responseHeader[HEADER_SIZE];
    int m_nPort;
    char m_szAddress[256];
    BOOL m_bConnected;
    UINT_PTR m_socket; // a SOCKET
    hostent* m_pHost;
    int m_nLineCursor;
    BOOL m_bHeaderReceived;
    int m_nHeaderLength;
    // Body bytes received but not yet handed out: one recv per 64 KB instead of per
    // caller block (each recv is a round trip to the Wine server).
    char m_readAhead[READ_AHEAD_SIZE];
    int m_nAheadStart;
    int m_nAheadEnd;
};

#endif
