#include "net/serviceroot.h"
#include "tests/support/probetask.h"
#include "util/codepage.h"

#include <gtest/gtest.h>

namespace {

CString Body(std::initializer_list<std::pair<const char*, const char*>> params)
{
    CProbeTask task("/client/update/", 5, nullptr, nullptr);
    for (const auto& param : params)
        task.AddParam(param.first, param.second);
    return task.BuildParams();
}

} // namespace

TEST(RequestBody, NoParametersGiveEmptyBody)
{
    EXPECT_EQ(CString(), Body({}));
}

TEST(RequestBody, OneParameterKeepsItsTrailingAmpersand)
{
    CString body = Body({{"pid", "0"}});
    EXPECT_EQ(CString("pid=0&"), body);
    EXPECT_EQ(6, body.GetLength());
}

TEST(RequestBody, FirstValueOfAKeyWins)
{
    EXPECT_EQ(CString("user=first&"), Body({{"user", "first"}, {"user", "second"}}));
}

TEST(RequestBody, KeysComeOutInAscendingOrder)
{
    EXPECT_EQ(
        CString("clienttype=5&clientverno=1.0.0.1&info=pc&mobmodel=pc&mobverno=pc&"),
        Body(
            {{"mobverno", "pc"}, {"info", "pc"}, {"clientverno", "1.0.0.1"}, {"mobmodel", "pc"}, {"clienttype", "5"}}));
}

TEST(RequestBody, NothingIsEscaped)
{
    EXPECT_EQ(CString("q=a&b=c d%20+&"), Body({{"q", "a&b=c d%20+"}}));
}

TEST(RequestBody, ChineseValueGoesOutAsUtf8)
{
    EXPECT_EQ(CString("user=\xE4\xB8\xAD\xE6\x96\x87&"), Body({{"user", "中文"}}));
}

// The login, bind and register launches convert their values before adding them, and
// the body converts every value once more: the service sees the UTF-8 bytes of the
// UTF-8 bytes read as code page 936. Expected bytes computed outside the program.
TEST(RequestBody, LaunchConvertedValueIsConvertedOnceMore)
{
    CString value("维路");
    AnsiToUtf8(value);
    ASSERT_EQ(CString("\xE7\xBB\xB4\xE8\xB7\xAF"), value);
    CProbeTask task("/client/login/", 0, nullptr, nullptr);
    task.AddParam("user", value);
    EXPECT_EQ(CString("user=\xE7\xBC\x81\xE7\xA3\x8B\xE7\x9F\xBE&"), task.BuildParams());
}

TEST(RequestBody, LongValueIsSentWhole)
{
    std::string value;
    for (int i = 0; i < 300; ++i)
        value += static_cast<char>('a' + i % 26);
    CString body = Body({{"email", value.c_str()}});
    EXPECT_EQ(CString(("email=" + value + "&").c_str()), body);
}

TEST(RequestBody, UrlIsServiceRootAndPath)
{
    CProbeTask task("/client/Tree/getchildnode.aspx", 3, nullptr, nullptr);
    EXPECT_EQ(CString(GetServiceRoot()) + "/client/Tree/getchildnode.aspx", task.GetUrl());
    EXPECT_EQ(3, task.GetId());
}

TEST(RequestBody, RemoveAndClearParams)
{
    CProbeTask task("/client/update/", 5, nullptr, nullptr);
    task.AddParam("a", "1");
    task.AddParam("b", "2");
    task.RemoveParam("a");
    task.RemoveParam("absent");
    EXPECT_EQ(CString("b=2&"), task.BuildParams());
    task.ClearParams();
    EXPECT_EQ(CString(), task.BuildParams());
}
