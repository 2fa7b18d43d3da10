#include "tests/support/downloadfixture.h"

#include "tests/support/standin.h"
#include "tests/support/wait.h"

#include <fstream>
#include <iterator>

std::vector<CReplyHeadCase> ReplyHeadCases()
{
    const std::string ok = "HTTP/1.1 200 OK\r\n";
    const std::string block(2048, 'b');
    std::string body(43000, '\0');
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>(i * 7 % 251);
    const std::string encoded = "服务器回复的传输编码无法读取。";
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
        // Only "HTTP/1.x", a blank, three digits, then a blank or the line's end.
        {"status of four digits", "HTTP/1.1 2000 OK\r\nContent-Length: 4\r\n\r\nbody", "", 0, 0,
         "下载失败：服务器的回复头不完整。", "安装程序下载失败：服务器的回复头不完整。"},
        {"no protocol name", "XXXXXXXX 200 OK\r\nContent-Length: 4\r\n\r\nbody", "", 0, 0,
         "下载失败：服务器的回复头不完整。", "安装程序下载失败：服务器的回复头不完整。"},
        {"status run into its reason", "HTTP/1.1 200OK\r\nContent-Length: 4\r\n\r\nbody", "", 0, 0,
         "下载失败：服务器的回复头不完整。", "安装程序下载失败：服务器的回复头不完整。"},
        {"status line without a reason", "HTTP/1.0 200\r\nContent-Length: 4\r\n\r\nbody", "body", 4, 100, "", ""},
        // A body framed otherwise than by its size would be saved with its framing.
        {"chunked with a size", ok + "Transfer-Encoding: chunked\r\nContent-Length: 9\r\n\r\n4\r\nbody\r\n0\r\n\r\n",
         "", 0, 0, "下载失败：" + encoded, "安装程序下载失败：" + encoded},
        {"another encoding", ok + "Content-Length: 4\r\ntransfer-encoding: gzip\r\n\r\nbody", "", 0, 0,
         "下载失败：" + encoded, "安装程序下载失败：" + encoded},
        {"two sizes that differ", ok + "Content-Length: 4\r\nContent-Length: 6\r\n\r\nbody..", "", 0, 0,
         "下载失败：服务器给出了文件的两个不同大小。", "安装程序下载失败：服务器给出了安装程序的两个不同大小。"},
        {"identity and one size twice",
         ok + "Transfer-Encoding: identity\r\nContent-Length: 4\r\ncontent-length: 4\r\n\r\nbody", "body", 4, 100, "",
         ""},
        // Nothing beyond the size is written, and the progress stops at 100.
        {"3000 bytes beyond the size", ok + "Content-Length: 40000\r\n\r\n" + body, body.substr(0, 40000), 40000, 100,
         "", ""},
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
        {"size beyond 32 bits", ok + "Content-Length: 3000000000\r\n\r\n" + block, "", 3000000000LL, 0,
         "服务器已经关闭连接.", "服务器已经关闭连接."},
    };
}

CDownloadFixture::CDownloadFixture(UINT nProgressMessage, UINT nEndMessage)
    : m_nProgressMessage(nProgressMessage), m_nEndMessage(nEndMessage)
{
}

CDownloadFixture::~CDownloadFixture()
{
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

// The window is made here, not in the constructor: its procedure calls OnProgress.
void CDownloadFixture::SetUp()
{
    ASSERT_TRUE(StandIn::Reset()) << "the service stand-in does not answer";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandle(NULL);
    wc.lpszClassName = "DownloadFixtureWindow";
    RegisterClassA(&wc);
    m_hWnd = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, wc.hInstance, this);
    ASSERT_NE(nullptr, m_hWnd);
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    m_strDir = std::string(szTemp) + "velora-dl-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(m_strDir.c_str(), NULL);
}

LRESULT CALLBACK CDownloadFixture::Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        SetWindowLongPtr(hWnd, GWLP_USERDATA,
                         reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCT*>(lParam)->lpCreateParams));
    auto* pThis = reinterpret_cast<CDownloadFixture*>(GetWindowLongPtr(hWnd, GWLP_USERDATA));
    if (pThis && uMsg == pThis->m_nProgressMessage)
        return pThis->OnProgress(lParam);
    if (pThis && uMsg == pThis->m_nEndMessage) {
        pThis->ends.push_back(wParam);
        return 0;
    }
    return DefWindowProc(hWnd, uMsg, wParam, lParam);
}

bool CDownloadFixture::WaitForEnds(size_t nEnds, DWORD dwTimeoutMs)
{
    return PumpUntil([&] { return ends.size() >= nEnds; }, dwTimeoutMs);
}

void CDownloadFixture::Join(HANDLE hThread)
{
    if (hThread) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hThread, 20000));
        CloseHandle(hThread);
    } else {
        Sleep(2000); // already ended
    }
    PumpFor();
}

std::string CDownloadFixture::Url(const std::string& path)
{
    return "http://" + StandIn::DownloadHost() + path;
}

std::string CDownloadFixture::FilePath(const std::string& name)
{
    m_named.insert(name);
    return m_strDir + "\\" + name;
}

std::string CDownloadFixture::ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CDownloadFixture::PutFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string CDownloadFixture::Pattern(size_t n)
{
    std::string text;
    for (size_t i = 0; i < n; ++i)
        text += static_cast<char>(i * 7 % 251);
    return text;
}

bool CDownloadFixture::QueueRaw(const std::string& path, const std::string& response, int nDelayMs)
{
    CScriptedReply reply;
    reply.raw = true;
    reply.body = response;
    reply.delayMs = nDelayMs;
    return StandIn::QueueReply(path, reply);
}

std::vector<std::string> CDownloadFixture::BoxesSince(size_t nFrom)
{
    std::vector<std::string> boxes = m_answerer->Boxes();
    boxes.erase(boxes.begin(), boxes.begin() + std::min(nFrom, boxes.size()));
    return boxes;
}

void CDownloadFixture::ExpectEnd(WPARAM wEnd, const std::string& path, const std::string& file, size_t nBoxes,
                                 const std::string& box)
{
    EXPECT_EQ(std::vector<WPARAM>{wEnd}, ends);
    EXPECT_EQ(file, ReadFile(path));
    EXPECT_EQ(box.empty() ? std::vector<std::string>() : std::vector<std::string>{box}, BoxesSince(nBoxes));
    ExpectOnlyNamedFiles();
}

void CDownloadFixture::ExpectOnlyNamedFiles()
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((m_strDir + "\\*").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            EXPECT_EQ(1u, m_named.count(found.cFileName)) << "left in the folder: " << found.cFileName;
        }
    } while (FindNextFileA(hFind, &found));
    FindClose(hFind);
}
