#include "util/paths.h"

#include "framework/filefind.h"

#include <vector>

namespace {

// Longest path the system accepts with the "\\?\" prefix.
const DWORD kMaxModulePath = 32768;

} // namespace

// The buffer grows until the name fits: a name cut at the buffer's end comes back
// unterminated on some systems, and a cut path would name another folder.
CString GetModulePath()
{
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD nSize = static_cast<DWORD>(buffer.size());
        DWORD nLength = GetModuleFileNameA(NULL, buffer.data(), nSize);
        if (nLength == 0)
            return CString();
        if (nLength < nSize)
            return CString(buffer.data(), static_cast<int>(nLength));
        if (nSize >= kMaxModulePath)
            return CString();
        buffer.assign(nSize * 2, '\0');
    }
}

CString GetExeDirectory()
{
    CString strPath = GetModulePath();
    const std::string& str = strPath.Str();
    size_t nSlash = str.rfind('\\');
    if (nSlash == std::string::npos)
        return CString();
    return strPath.Left(static_cast<int>(nSlash) + 1);
}

CString GetFullPath(CString strRelative)
{
    return GetExeDirectory() + strRelative;
}

CString GetConfigFilePath()
{
    return GetExeDirectory() + "data\\config.vr";
}

CString GetUpdaterPath()
{
    return GetExeDirectory() + "Update.exe";
}

CString GetUninstallerPath()
{
    return GetExeDirectory() + "unins000.exe";
}

// The first-file search finds nothing for a path ending in a separator, and the
// start-up sequence asks with "...\data\": the separator is dropped first, else an
// existing data folder would read as missing on every start.
BOOL IsDirectoryExist(CString strPath)
{
    while (strPath.GetLength() > 1 && (strPath.Right(1) == "\\" || strPath.Right(1) == "/"))
        strPath = strPath.Left(strPath.GetLength() - 1);
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(strPath, &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    FindClose(hFind);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL IsFileExist(CString strPath)
{
    CFileFind finder;
    BOOL bFound = finder.FindFile(strPath);
    finder.Close();
    return bFound;
}

BOOL CreateDir(CString strPath)
{
    SECURITY_ATTRIBUTES attributes = {};
    attributes.nLength = sizeof(attributes);
    attributes.lpSecurityDescriptor = NULL;
    attributes.bInheritHandle = FALSE;
    return CreateDirectoryA(strPath, &attributes);
}

BOOL CreateEmptyFile(CString strPath)
{
    HANDLE hFile =
        CreateFileA(strPath, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile != INVALID_HANDLE_VALUE)
        CloseHandle(hFile);
    return TRUE;
}
