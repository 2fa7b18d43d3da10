#include "util/autostart.h"
#include "util/paths.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The test run's own Wine prefix: the machine-wide Run key is ours to change.
class AutoStartTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveAutoStart(); }
    void TearDown() override { RemoveAutoStart(); }

    static void WriteRawValue(const std::string& strData)
    {
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_WRITE, &hKey));
        EXPECT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(hKey, "Velora", 0, REG_SZ, reinterpret_cast<const BYTE*>(strData.c_str()),
                                 static_cast<DWORD>(strData.size() + 1)));
        RegCloseKey(hKey);
    }
};

} // namespace

TEST_F(AutoStartTest, SetQueryRemove)
{
    EXPECT_FALSE(IsAutoStart());
    EXPECT_TRUE(SetAutoStart());
    EXPECT_TRUE(IsAutoStart());
    EXPECT_TRUE(RemoveAutoStart());
    EXPECT_FALSE(IsAutoStart());
}

TEST_F(AutoStartTest, RemovingAnAbsentValueFails)
{
    EXPECT_FALSE(RemoveAutoStart());
}

// Read back in UTF-16, as the system keeps it: a terminated REG_SZ holding the whole
// module path in double quotes, nothing more.
TEST_F(AutoStartTest, StoredValueIsTheTerminatedQuotedModulePath)
{
    ASSERT_TRUE(SetAutoStart());
    CString strPath = "\"" + GetModulePath() + "\"";
    HKEY hKey = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &hKey));
    DWORD dwType = 0;
    wchar_t wszData[1024] = {};
    DWORD dwBytes = sizeof(wszData);
    LONG nResult = RegQueryValueExW(hKey, L"Velora", NULL, &dwType, reinterpret_cast<BYTE*>(wszData), &dwBytes);
    RegCloseKey(hKey);
    ASSERT_EQ(ERROR_SUCCESS, nResult);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType);
    int nChars = MultiByteToWideChar(CP_ACP, 0, strPath, -1, NULL, 0); // with the terminator
    EXPECT_EQ(static_cast<DWORD>(nChars * sizeof(wchar_t)), dwBytes);
    EXPECT_EQ(strPath, CString(wszData));
}

TEST_F(AutoStartTest, PresenceCountsWhateverTheDataLength)
{
    WriteRawValue(std::string(1000, 'x'));
    EXPECT_TRUE(IsAutoStart());
    WriteRawValue("");
    EXPECT_TRUE(IsAutoStart());
}
