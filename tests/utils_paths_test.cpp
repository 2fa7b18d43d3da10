#include "util/paths.h"
#include "util/savename.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A fresh, empty folder under the temporary folder, removed with what it holds.
class PathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH] = {};
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, szTemp));
        m_strDir.Format("%svelora-paths-%lu\\", szTemp, GetCurrentProcessId());
        CreateDirectoryA(m_strDir, NULL);
    }
    void TearDown() override
    {
        DeleteFileA(m_strDir + "file.txt");
        RemoveDirectoryA(m_strDir + "sub");
        RemoveDirectoryA(m_strDir);
    }
    CString m_strDir;
};

} // namespace

TEST(ExePaths, DirectoryIsTheModuleFolderWithItsBackslash)
{
    char szModule[MAX_PATH] = {};
    ASSERT_NE(0u, GetModuleFileNameA(NULL, szModule, MAX_PATH));
    CString strDir = GetExeDirectory();
    ASSERT_FALSE(strDir.IsEmpty());
    EXPECT_EQ('\\', strDir.GetAt(strDir.GetLength() - 1));
    EXPECT_EQ(CString(szModule), strDir + "utils_test.exe");
}

TEST(ExePaths, RelativePathsAreAppendedUnchanged)
{
    CString strDir = GetExeDirectory();
    EXPECT_EQ(strDir + "Skins/logo.png", GetFullPath("Skins/logo.png"));
    EXPECT_EQ(strDir + "data\\config.vr", GetConfigFilePath());
    EXPECT_EQ(strDir + "Update.exe", GetUpdaterPath());
    // The mixed separators are accepted by the system: the file is found through them.
    EXPECT_TRUE(IsFileExist(GetFullPath("./utils_test.exe")));
}

// The updater starts the uninstaller beside itself, whatever folder it was started in.
TEST_F(PathsTest, UninstallerIsBesideTheExecutableWhateverTheCurrentFolder)
{
    CString strExpected = GetExeDirectory() + "unins000.exe";
    EXPECT_EQ(strExpected, GetUninstallerPath());
    char szCurrent[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, szCurrent);
    ASSERT_TRUE(SetCurrentDirectoryA(m_strDir));
    EXPECT_EQ(strExpected, GetUninstallerPath());
    SetCurrentDirectoryA(szCurrent);
}

// A download address names a file only: no part of it leads the save dialog to another
// folder or to a device, and what Windows refuses in a name is replaced.
TEST(SaveName, IsTheAddressesLastPartAfterAnySeparator)
{
    const struct {
        const char* pszUrl;
        const char* pszName;
    } cases[] = {
        {"http://h/files/app.apk", "app.apk"},
        {"http://h/..\\..\\x.apk", "x.apk"},
        {"http://h/C:\\Users\\Public\\x.exe", "x.exe"},
        {"http://h/C:x.exe", "x.exe"},
        {"http://h/files/乗.apk", "乗.apk"},   // its second byte is the code of "\"
        {"http://h/files/東|.apk", "東_.apk"}, // its second byte is the code of "|"
        {"http://h/files/a.apk?x=1", "a.apk_x=1"},
        {"http://h/files/a<b>\"c|d*e\x01"
         "f\tg.apk",
         "a_b__c_d_e_f_g.apk"},
        {"http://h/files/app.apk. . ", "app.apk"},
        {"http://h/files/", ""},
        {"http://h/x.exe\\", ""},
        {"http://h/files/..", ""},
        {"http://h/files/. .", ""},
        {"http://h/files/nul.apk", "dflt"},
        {"http://h/NUL", "dflt"},
        {"http://h/con.tar.gz", "dflt"},
        {"http://h/aux .txt", "dflt"},
        {"http://h/Prn.", "dflt"},
        {"http://h/Com1.exe", "dflt"},
        {"http://h/lpt9", "dflt"},
        {"http://h/COM10.exe", "COM10.exe"},
        {"http://h/console.exe", "console.exe"},
        {"http://h/null.apk", "null.apk"},
        {"/x.apk", "dflt"},
        {"x.apk", "dflt"},
        {"a\\b.apk", "dflt"},
        {"", "dflt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszName), ProposedSaveName(c.pszUrl, "dflt")) << c.pszUrl;
}

TEST_F(PathsTest, DirectoryAndFileChecks)
{
    EXPECT_TRUE(IsDirectoryExist(m_strDir.Left(m_strDir.GetLength() - 1)));
    EXPECT_FALSE(IsDirectoryExist(m_strDir + "sub"));
    EXPECT_FALSE(IsFileExist(m_strDir + "sub"));

    EXPECT_TRUE(CreateDir(m_strDir + "sub"));
    EXPECT_TRUE(IsDirectoryExist(m_strDir + "sub"));
    // The start-up sequence asks with a trailing separator.
    EXPECT_TRUE(IsDirectoryExist(m_strDir + "sub\\"));
    EXPECT_FALSE(IsDirectoryExist(m_strDir + "missing\\"));
    EXPECT_TRUE(IsFileExist(m_strDir + "sub")); // the finder finds folders too
    EXPECT_FALSE(CreateDir(m_strDir + "sub"));  // already there: the system's result

    EXPECT_TRUE(CreateEmptyFile(m_strDir + "file.txt"));
    EXPECT_TRUE(IsFileExist(m_strDir + "file.txt"));
    EXPECT_FALSE(IsDirectoryExist(m_strDir + "file.txt"));
}

TEST_F(PathsTest, CreateEmptyFileEmptiesAnExistingFile)
{
    CString strFile = m_strDir + "file.txt";
    HANDLE hFile = CreateFileA(strFile, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    DWORD dwWritten = 0;
    WriteFile(hFile, "content", 7, &dwWritten, NULL);
    CloseHandle(hFile);

    EXPECT_TRUE(CreateEmptyFile(strFile));
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExA(strFile, GetFileExInfoStandard, &data));
    EXPECT_EQ(0u, data.nFileSizeLow);
}

TEST_F(PathsTest, CreateEmptyFileReportsTrueEvenWhenItCannotCreate)
{
    EXPECT_TRUE(CreateEmptyFile(m_strDir + "missing\\file.txt"));
    EXPECT_FALSE(IsFileExist(m_strDir + "missing\\file.txt"));
}
