// The browser view's cache clearing against a real URL cache and real folders.

#include "net/serviceroot.h"
#include "velora/velorabrowser.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <wininet.h>
#include <string>
#include <vector>

#ifndef VELORA_LINK_TREE
#error "VELORA_LINK_TREE must name the folder tree with a link that the test run makes"
#endif

namespace {

bool InCache(const std::string& url)
{
    DWORD dwSize = 0;
    if (GetUrlCacheEntryInfoA(url.c_str(), NULL, &dwSize))
        return true;
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

// A cache entry with a one-byte file and nHeaderBytes of response header.
bool Commit(const std::string& url, DWORD dwType, size_t nHeaderBytes)
{
    char szFile[MAX_PATH] = "";
    if (!CreateUrlCacheEntryA(url.c_str(), 1, "htm", szFile, 0))
        return false;
    HANDLE hFile = CreateFileA(szFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD dwWritten = 0;
    WriteFile(hFile, "x", 1, &dwWritten, NULL);
    CloseHandle(hFile);
    std::string header = "HTTP/1.1 200 OK\r\nX-Pad: " + std::string(nHeaderBytes, 'p') + "\r\n\r\n";
    FILETIME never = {};
    return CommitUrlCacheEntryA(url.c_str(), szFile, never, never, dwType, reinterpret_cast<BYTE*>(&header[0]),
                                static_cast<DWORD>(header.size()), NULL, NULL) != 0;
}

std::string TempFolder(const char* pszName)
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    return std::string(szTemp) + pszName + "-" + std::to_string(GetCurrentProcessId());
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, DWORD dwAttributes = FILE_ATTRIBUTE_NORMAL)
{
    HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, dwAttributes, NULL);
    CloseHandle(hFile);
}

} // namespace

TEST(BrowserCache, UrlCacheWalkDeletesOnlyTheServicesPages)
{
    const std::string root = GetServiceRoot();
    struct {
        std::string url;
        DWORD dwType;
        size_t nHeaderBytes;
        bool bDeleted;
    } entries[] = {
        {root + "/pages/list.aspx?id=3", NORMAL_CACHE_ENTRY, 10, true},
        {root + "/Default.aspx", NORMAL_CACHE_ENTRY, 6000, true}, // larger than the entries before it
        {root + "/img/logo.png", NORMAL_CACHE_ENTRY, 10, false},
        {root + "/scripts/app.js", NORMAL_CACHE_ENTRY, 10, false},
        {"http://www.example.com/a.aspx", NORMAL_CACHE_ENTRY, 10, false},
        {root + "/member/c.aspx", NORMAL_CACHE_ENTRY | COOKIE_CACHE_ENTRY, 10, false},
    };
    for (const auto& entry : entries)
        ASSERT_TRUE(Commit(entry.url, entry.dwType, entry.nHeaderBytes)) << entry.url;

    CVeloraBrowser::DeleteUrlCacheEntries();
    for (const auto& entry : entries) {
        EXPECT_EQ(!entry.bDeleted, InCache(entry.url)) << entry.url;
        DeleteUrlCacheEntryA(entry.url.c_str());
    }
}

TEST(BrowserCache, FolderPurgeKeepsDesktopIniAndFilesInUse)
{
    const std::string base = TempFolder("velora-purge");
    for (const char* pszFolder : {"", "\\Sub", "\\Sub\\Deeper", "\\Keep", "\\Keep\\Inner"})
        CreateDirectoryA((base + pszFolder).c_str(), NULL);
    WriteFile(base + "\\a.txt", FILE_ATTRIBUTE_READONLY);
    WriteFile(base + "\\desktop.ini");
    WriteFile(base + "\\Sub\\b.txt");
    WriteFile(base + "\\Sub\\Deeper\\c.txt", FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((base + "\\Sub\\Deeper").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteFile(base + "\\Keep\\DESKTOP.INI");
    WriteFile(base + "\\Keep\\x.txt");
    WriteFile(base + "\\Keep\\Inner\\Desktop.Ini");
    HANDLE hOpen = CreateFileA((base + "\\open.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hOpen);

    CVeloraBrowser::DeleteFolderContents(base.c_str());
    CloseHandle(hOpen);
    struct {
        const char* pszPath;
        bool bKept;
    } expected[] = {
        {"", true},
        {"\\desktop.ini", true},
        {"\\open.txt", true},
        {"\\Keep\\DESKTOP.INI", true},
        {"\\Keep\\Inner\\Desktop.Ini", true},
        {"\\a.txt", false},
        {"\\Sub", false},
        {"\\Keep\\x.txt", false},
    };
    for (const auto& e : expected)
        EXPECT_EQ(e.bKept, Exists(base + e.pszPath)) << e.pszPath;

    for (const char* pszFile : {"\\desktop.ini", "\\open.txt", "\\Keep\\DESKTOP.INI", "\\Keep\\Inner\\Desktop.Ini"})
        DeleteFileA((base + pszFile).c_str());
    for (const char* pszFolder : {"\\Keep\\Inner", "\\Keep", ""})
        RemoveDirectoryA((base + pszFolder).c_str());
}

// The test run makes cache\inner\link, a link to the folder outside, beside the file
// cache\inner\file.txt (see tests/CMakeLists.txt). Wine cannot remove a link to a
// folder (RemoveDirectory fails), so only what matters here is checked: nothing
// behind the link is touched.
TEST(BrowserCache, FolderPurgeNeverEntersALink)
{
    const std::string tree = VELORA_LINK_TREE;
    ASSERT_TRUE(Exists(tree + "\\outside\\keep.txt")) << "the link tree is made by the CTest fixture";
    ASSERT_NE(0u, GetFileAttributesA((tree + "\\cache\\inner\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    CVeloraBrowser::DeleteFolderContents((tree + "\\cache").c_str());
    EXPECT_TRUE(Exists(tree + "\\outside\\keep.txt"));
    EXPECT_FALSE(Exists(tree + "\\cache\\inner\\file.txt"));
}

TEST(BrowserCache, PurgeEmptiesTheInternetCacheFolder)
{
    char szCache[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(NULL, szCache, CSIDL_INTERNET_CACHE, TRUE));
    const std::string folder = std::string(szCache) + "\\velora-test";
    CreateDirectoryA(folder.c_str(), NULL);
    WriteFile(folder + "\\page.htm");
    WriteFile(std::string(szCache) + "\\desktop.ini");
    CVeloraBrowser::PurgeCache();
    EXPECT_FALSE(Exists(folder));
    EXPECT_TRUE(Exists(std::string(szCache) + "\\desktop.ini"));
    EXPECT_TRUE(Exists(szCache));
    DeleteFileA((std::string(szCache) + "\\desktop.ini").c_str());
}
