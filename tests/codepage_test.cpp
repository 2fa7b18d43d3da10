#include "util/codepage.h"

#include <gtest/gtest.h>
#include <windows.h>

// Without the generated zh_CN.UTF-8 locale Wine falls back to code page 1252 and
// every Chinese text of the program is garbled: fail loudly here.
TEST(CodePage, AnsiCodePageIs936)
{
    EXPECT_EQ(936u, GetACP());
}

TEST(CodePage, ChineseToUtf8AndBack)
{
    CString text("中文");
    ASSERT_EQ(CString("\xD6\xD0\xCE\xC4"), text);
    AnsiToUtf8(text);
    EXPECT_EQ(CString("\xE4\xB8\xAD\xE6\x96\x87"), text);
    Utf8ToAnsi(text);
    EXPECT_EQ(CString("\xD6\xD0\xCE\xC4"), text);
}

TEST(CodePage, EmptyStaysEmpty)
{
    CString text;
    AnsiToUtf8(text);
    EXPECT_TRUE(text.IsEmpty());
    Utf8ToAnsi(text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CodePage, LongTextIsConvertedWhole)
{
    CString text;
    for (int i = 0; i < 150; ++i)
        text += "路a"; // 150 x (2 + 1) bytes, 300 characters
    AnsiToUtf8(text);
    ASSERT_EQ(150 * 4, text.GetLength());
    EXPECT_EQ(CString("\xE8\xB7\xAF"
                      "a"),
              text.Right(4));
    Utf8ToAnsi(text);
    EXPECT_EQ(450, text.GetLength());
}

TEST(CodePage, AsciiUnchanged)
{
    CString text("user=abc&pass=1");
    AnsiToUtf8(text);
    EXPECT_EQ(CString("user=abc&pass=1"), text);
}
