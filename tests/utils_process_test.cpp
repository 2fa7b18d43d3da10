#include "util/paths.h"
#include "util/process.h"
#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {

// Reads a whole small file; false when it is not there.
bool ReadSmallFile(const CString& strPath, CString& strContent)
{
    HANDLE hFile = CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    char szBuffer[1024] = {};
    DWORD dwRead = 0;
    ReadFile(hFile, szBuffer, sizeof(szBuffer) - 1, &dwRead, NULL);
    CloseHandle(hFile);
    strContent = CString(szBuffer, static_cast<int>(dwRead));
    return true;
}

bool WaitForFile(const CString& strPath, CString& strContent)
{
    return WaitUntil([&] { return ReadSmallFile(strPath, strContent) && !strContent.IsEmpty(); }, 10000, 100);
}

// A launcher and the stand-in updater copied into a folder whose name has a blank, and a
// decoy "velora.exe" where an unquoted command line split at that blank would lead.
class LaunchUpdaterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH] = {};
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, szTemp));
        m_strParent.Format("%svelora-launch-%lu\\", szTemp, GetCurrentProcessId());
        m_strDir = m_strParent + "velora launch\\";
        ASSERT_TRUE(CreateDirectoryA(m_strParent, NULL));
        ASSERT_TRUE(CreateDirectoryA(m_strDir, NULL));
        CString strStub = GetFullPath("fixture_update_stub.exe");
        ASSERT_TRUE(CopyFileA(strStub, m_strDir + "Update.exe", FALSE));
        ASSERT_TRUE(CopyFileA(strStub, m_strParent + "velora.exe", FALSE));
        ASSERT_TRUE(CopyFileA(GetFullPath("fixture_launch_updater.exe"), m_strDir + "launch.exe", FALSE));
    }
    void TearDown() override
    {
        const char* apszFiles[] = {"velora launch\\Update.exe", "velora launch\\launch.exe",
                                   "velora launch\\launched.txt", "velora.exe", "launched.txt"};
        // A stub may still be ending.
        WaitUntil(
            [&] {
                bool bAllGone = true;
                for (const char* pszFile : apszFiles) {
                    CString strFile = m_strParent + pszFile;
                    if (!DeleteFileA(strFile) && GetFileAttributesA(strFile) != INVALID_FILE_ATTRIBUTES)
                        bAllGone = false;
                }
                return bAllGone;
            },
            2000, 100);
        RemoveDirectoryA(m_strDir);
        RemoveDirectoryA(m_strParent);
    }

    // Runs the copied launcher and waits for it to end.
    void RunLauncher()
    {
        CString strLauncher = m_strDir + "launch.exe";
        CString strCommand = "\"" + strLauncher + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(
            CreateProcessA(strLauncher, strCommand.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 20000));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }

    CString m_strParent;
    CString m_strDir;
};

} // namespace

TEST_F(LaunchUpdaterTest, StartsUpdateExeBesideTheExecutableInAFolderWithABlank)
{
    RunLauncher();
    CString strMarker;
    ASSERT_TRUE(WaitForFile(m_strDir + "launched.txt", strMarker)) << "the updater did not run";
    EXPECT_EQ(m_strDir + "Update.exe", strMarker);
    CString strDecoy;
    EXPECT_FALSE(ReadSmallFile(m_strParent + "launched.txt", strDecoy)) << "ran " << strDecoy.GetString();
}

TEST_F(LaunchUpdaterTest, MissingUpdaterIsNotReported)
{
    ASSERT_TRUE(DeleteFileA(m_strDir + "Update.exe"));
    RunLauncher(); // ends normally, with no message and no other program started
    Sleep(500);
    CString strContent;
    EXPECT_FALSE(ReadSmallFile(m_strDir + "launched.txt", strContent));
    EXPECT_FALSE(ReadSmallFile(m_strParent + "launched.txt", strContent));
}

namespace {

// The fake client, copied under strName into a fresh folder, showing one window titled
// strTitle; ended and removed with the object.
class CFakeProgram {
public:
    CFakeProgram(const char* pszName, const char* pszTitle)
    {
        char szTemp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, szTemp);
        m_strDir.Format("%svelora-running-%lu\\", szTemp, GetCurrentProcessId());
        CreateDirectoryA(m_strDir, NULL);
        m_strExe = m_strDir + pszName;
        CString strCommand = "\"" + m_strExe + "\" " + pszTitle;
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        if (CopyFileA(GetFullPath("fixture_fake_client.exe"), m_strExe, FALSE) &&
            CreateProcessA(m_strExe, strCommand.GetBuffer(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &m_info))
            WaitForWindow(pszTitle);
    }
    ~CFakeProgram()
    {
        if (m_info.hProcess) {
            TerminateProcess(m_info.hProcess, 0);
            WaitForSingleObject(m_info.hProcess, 5000);
            CloseHandle(m_info.hProcess);
            CloseHandle(m_info.hThread);
        }
        DeleteFileA(m_strExe);
        RemoveDirectoryA(m_strDir);
    }
    bool Shown() const { return m_bShown; }

private:
    void WaitForWindow(const char* pszTitle)
    {
        m_bShown = m_info.dwProcessId &&
                   WaitForTopWindow(CWindowQuery(m_info.dwProcessId, "FakeClientWindow", pszTitle), 10000, 50);
    }

    CString m_strDir, m_strExe;
    PROCESS_INFORMATION m_info = {};
    bool m_bShown = false;
};

} // namespace

// A window titled "Velora" counts only when its process runs a "Velora.exe".
TEST(AppRunning, FindsAWindowTitledVeloraOfAVeloraExe)
{
    EXPECT_FALSE(IsAppRunning());
    HWND hOwn = CreateWindowExA(0, "STATIC", "Velora", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hOwn);
    EXPECT_FALSE(IsAppRunning()) << "a window of utils_test.exe";
    DestroyWindow(hOwn);

    const struct {
        const char* pszName;
        const char* pszTitle;
        bool bRunning;
    } cases[] = {
        {"Velora.exe", "Velora", true},    {"VELORA.EXE", "Velora", true},      {"Velora.exe", "Velora 2", false},
        {"explorer.exe", "Velora", false}, {"Velora.exe.exe", "Velora", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pszName) + " " + c.pszTitle);
        CFakeProgram program(c.pszName, c.pszTitle);
        ASSERT_TRUE(program.Shown());
        EXPECT_EQ(c.bRunning, IsAppRunning());
    }
}
