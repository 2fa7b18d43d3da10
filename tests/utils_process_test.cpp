#include "util/paths.h"
#include "util/process.h"

#include <gtest/gtest.h>
#include <windows.h>

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
    for (int i = 0; i < 100; ++i) {
        if (ReadSmallFile(strPath, strContent) && !strContent.IsEmpty())
            return true;
        Sleep(100);
    }
    return false;
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
        for (int nTry = 0; nTry < 20; ++nTry) {
            bool bAllGone = true;
            for (const char* pszFile : apszFiles) {
                CString strFile = m_strParent + pszFile;
                if (!DeleteFileA(strFile) && GetFileAttributesA(strFile) != INVALID_FILE_ATTRIBUTES)
                    bAllGone = false;
            }
            if (bAllGone)
                break;
            Sleep(100); // a stub may still be ending
        }
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

TEST(AppRunning, FindsATopLevelWindowTitledExactlyVelora)
{
    EXPECT_FALSE(IsAppRunning());
    HWND hOther = CreateWindowExA(0, "STATIC", "Velora 2", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hOther);
    EXPECT_FALSE(IsAppRunning());
    HWND hClient = CreateWindowExA(0, "STATIC", "Velora", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hClient);
    EXPECT_TRUE(IsAppRunning()); // hidden windows count too
    DestroyWindow(hClient);
    EXPECT_FALSE(IsAppRunning());
    DestroyWindow(hOther);
}
