#include "tests/support/appdriver.h"

#include "tests/support/windowfinder.h"

#include <gdiplus.h>
#include <shellapi.h>
#include <fstream>
#include <memory>
#include <vector>

namespace {

std::string MakeFolder()
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    char szName[64];
    static LONG s_nCounter = 0;
    snprintf(szName, sizeof(szName), "velora-gui-%lu-%ld\\", GetCurrentProcessId(), InterlockedIncrement(&s_nCounter));
    std::string folder = std::string(szTemp) + szName;
    CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

// Removes a folder and everything in it (double-zero-terminated list for the shell).
void RemoveFolder(const std::string& folder)
{
    std::string from = folder;
    if (!from.empty() && from.back() == '\\')
        from.pop_back();
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

bool PngEncoder(CLSID& clsid)
{
    UINT nCount = 0, nSize = 0;
    Gdiplus::GetImageEncodersSize(&nCount, &nSize);
    if (nSize == 0)
        return false;
    std::vector<char> buffer(nSize);
    Gdiplus::ImageCodecInfo* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(nCount, nSize, pCodecs);
    for (UINT i = 0; i < nCount; ++i) {
        if (wcscmp(pCodecs[i].MimeType, L"image/png") == 0) {
            clsid = pCodecs[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

std::string WinePath(const std::string& strUnixPath)
{
    std::string path = "Z:" + strUnixPath;
    for (char& ch : path) {
        if (ch == '/')
            ch = '\\';
    }
    return path;
}

CAppDriver::CAppDriver(const std::string& strProgram) : m_strProgram(strProgram), m_strFolder(MakeFolder())
{
}

CAppDriver::~CAppDriver()
{
    Kill();
    RemoveFolder(m_strFolder);
}

bool CAppDriver::Install(const std::string& strSource, const std::string& strName)
{
    DWORD dwAttributes = GetFileAttributesA(strSource.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!(dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return CopyFileA(strSource.c_str(), (m_strFolder + strName).c_str(), FALSE) != 0;
    std::string from = strSource + std::string(1, '\0');
    std::string to = m_strFolder + strName + std::string(1, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | FOF_NOCONFIRMMKDIR;
    return SHFileOperationA(&op) == 0;
}

bool CAppDriver::WriteFile(const std::string& strName, const std::string& strBytes)
{
    std::string path = m_strFolder + strName;
    for (size_t pos = path.find('\\', m_strFolder.size()); pos != std::string::npos; pos = path.find('\\', pos + 1))
        CreateDirectoryA(path.substr(0, pos).c_str(), NULL);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    return static_cast<bool>(file);
}

bool CAppDriver::ReadFile(const std::string& strName, std::string& strBytes) const
{
    std::ifstream file(m_strFolder + strName, std::ios::binary);
    if (!file)
        return false;
    strBytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool CAppDriver::Exists(const std::string& strName) const
{
    return GetFileAttributesA((m_strFolder + strName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CAppDriver::Start(const std::string& strArguments, const std::string& strSubFolder, DWORD dwCreationFlags)
{
    std::string target = m_strFolder + strSubFolder + m_strProgram.substr(m_strProgram.find_last_of('\\') + 1);
    if (!Exists(target.substr(m_strFolder.size())) && !CopyFileA(m_strProgram.c_str(), target.c_str(), FALSE))
        return false;
    std::string commandLine = "\"" + target + "\"" + (strArguments.empty() ? "" : " " + strArguments);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    return CreateProcessA(target.c_str(), &commandLine[0], NULL, NULL, FALSE, dwCreationFlags, NULL,
                          m_strFolder.c_str(), &si, &m_pi) != 0;
}

HWND CAppDriver::WaitForWindow(const char* pszTitle, const char* pszClass, DWORD dwTimeoutMs) const
{
    return Wait(pszTitle, pszClass, false, dwTimeoutMs);
}

HWND CAppDriver::WaitForFrame(const char* pszTitle, DWORD dwTimeoutMs) const
{
    return Wait(pszTitle, NULL, true, dwTimeoutMs);
}

HWND CAppDriver::Wait(const char* pszTitle, const char* pszClass, bool bSkipDialogs, DWORD dwTimeoutMs) const
{
    if (!m_pi.dwProcessId)
        return NULL; // not started: a query for process 0 would match every process
    CWindowQuery query{m_pi.dwProcessId, pszClass, pszTitle};
    if (bSkipDialogs)
        query.match = [](HWND hWnd) { return !IsDialogWindow(hWnd); };
    return WaitForTopWindow(query, dwTimeoutMs, 50);
}

bool CAppDriver::WaitForExit(DWORD dwTimeoutMs, DWORD& dwExitCode)
{
    if (!m_pi.hProcess || WaitForSingleObject(m_pi.hProcess, dwTimeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_pi.hProcess, &dwExitCode) != 0;
}

void CAppDriver::Kill()
{
    if (!m_pi.hProcess)
        return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
    m_pi = {};
}

bool CAppDriver::Screenshot(HWND hWnd, const std::string& strPath)
{
    RECT rc;
    if (!GetWindowRect(hWnd, &rc))
        return false;
    int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    HDC hScreen = GetDC(NULL);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    BitBlt(hMemory, 0, 0, nWidth, nHeight, hScreen, rc.left, rc.top, SRCCOPY);
    SelectObject(hMemory, hOld);

    bool bSaved = false;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, NULL) == Gdiplus::Ok) {
        CLSID clsid;
        std::wstring path(strPath.begin(), strPath.end());
        {
            std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromHBITMAP(hBitmap, NULL));
            bSaved = image && PngEncoder(clsid) && image->Save(path.c_str(), &clsid, NULL) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(NULL, hScreen);
    return bSaved;
}
