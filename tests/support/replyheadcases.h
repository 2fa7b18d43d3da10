#ifndef TESTS_SUPPORT_REPLYHEADCASES_H
#define TESTS_SUPPORT_REPLYHEADCASES_H

// Download replies that test how both download workers judge a reply before its body,
// with what each worker must make of them. Test literals are code page 936.

#include <string>
#include <vector>

struct CReplyHeadCase {
    const char* pszName;
    std::string response;  // the whole reply, as the stand-in sends it
    std::string file;      // what the chosen file holds afterwards
    long long nTotal;      // the size the progress goes by; 0: no progress at all
    int nLastPercent;      // the last progress percentage
    std::string veloraBox; // the client worker's box text, "" for none (then complete)
    std::string updateBox; // the installer worker's
};

inline std::vector<CReplyHeadCase> ReplyHeadCases()
{
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::string block(2048, 'b');
    return {
        {"404 page", "HTTP/1.1 404 Not Found\r\nContent-Length: 12\r\n\r\nmissing page", "", 0, 0,
         "下载失败：服务器回复状态 404。", "安装程序下载失败：服务器回复状态 404。"},
        {"500 page", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 5\r\n\r\nerror", "", 0, 0,
         "下载失败：服务器回复状态 500。", "安装程序下载失败：服务器回复状态 500。"},
        // The size first, then more header than the download client's 1024-byte buffer.
        {"header beyond the buffer",
         ok + "Content-Length: 10\r\nX-Pad: " + std::string(1100, 'p') + "\r\n\r\n0123456789", "", 0, 0,
         "下载失败：服务器的回复头不完整。", "安装程序下载失败：服务器的回复头不完整。"},
        {"closed within the header", ok + "Content-Length: 4\r\n", "", 0, 0, "下载失败：服务器的回复头不完整。",
         "安装程序下载失败：服务器的回复头不完整。"},
        {"size only in another name", ok + "X-Content-Length: 1\r\n\r\nbody", "", 0, 0,
         "下载失败：服务器没有给出文件的大小。", "安装程序下载失败：服务器没有给出安装程序的大小。"},
        {"no size", ok + "X-Size: 4\r\n\r\nbody", "", 0, 0, "下载失败：服务器没有给出文件的大小。",
         "安装程序下载失败：服务器没有给出安装程序的大小。"},
        {"size 0", ok + "Content-Length: 0\r\n\r\n", "", 0, 0, "下载失败：服务器没有给出文件的大小。",
         "安装程序下载失败：服务器没有给出安装程序的大小。"},
        {"size not a number", ok + "Content-Length: 4x\r\n\r\nbody", "", 0, 0, "下载失败：服务器没有给出文件的大小。",
         "安装程序下载失败：服务器没有给出安装程序的大小。"},
        {"name inside an earlier value",
         ok + "Access-Control-Expose-Headers: Content-Length\r\nContent-Length: 4\r\n\r\nbody", "body", 4, 100, "", ""},
        {"name in lower case", ok + "content-length:4\r\n\r\nbody", "body", 4, 100, "", ""},
        // Beyond 32 bits: the transfer starts, and the server's early close ends it.
        {"size beyond 32 bits", ok + "Content-Length: 3000000000\r\n\r\n" + block, block, 3000000000LL, 0,
         "服务器已经关闭连接.", "服务器已经关闭连接."},
    };
}

#endif
