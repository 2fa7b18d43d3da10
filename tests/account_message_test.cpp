#include "msg/checkversionmessage.h"
#include "msg/getuserinfomessage.h"
#include "msg/loginmessage.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string Reply(const std::string& data)
{
    return "{\"appid\":1,\"errorcode\":0,\"error\":\"\",\"data\":" + data + "}";
}

// "data" values that are neither an object nor null.
const char* const kWrongData[] = {"[{\"updatetype\":\"2\"}]", "\"{\\\"updatetype\\\":\\\"2\\\"}\"", "2", "true"};

// Replies whose head fails, each carrying data that would otherwise be read.
const char* const kFailedReplies[] = {
    "{\"errorcode\":3,\"error\":\"bad\",\"data\":{\"logintype\":\"9\",\"sessioncode\":\"S\",\"updatetype\":\"2\","
    "\"table\":{\"nickname\":\"n\",\"youjicount\":\"4\"}}}",
    "",
    "abc",
};

// The city "北京" as the task hands it over (code page 936) and as UTF-8.
const char kCityGbk[] = "\xb1\xb1\xbe\xa9";
const char kCityUtf8[] = "\xe5\x8c\x97\xe4\xba\xac";

} // namespace

TEST(LoginReply, ReadsKeysDirectlyFromData)
{
    const std::string session(32, 'a');
    CLoginMessage message;
    message.Decode(Reply("{\"logintype\":\"1234\",\"sessioncode\":\"" + session + "\",\"nickname\":\"" + kCityGbk +
                         "\",\"head\":\"iVBORw0KGgo=\",\"table\":{\"sessioncode\":\"other\"}}"));
    ASSERT_FALSE(message.GetHead()->IsFailed());
    EXPECT_TRUE(message.HasSessionData());
    EXPECT_EQ(1234, message.GetLoginType());
    EXPECT_EQ(session, message.GetSessionCode());
    EXPECT_EQ(kCityGbk, message.GetNickname());
    EXPECT_EQ("iVBORw0KGgo=", message.GetHeadImage());
}

TEST(LoginReply, AbsentNullAndOddValues)
{
    // Without "data" the session becomes empty and the user id 0: that is still data.
    for (const char* pszText : {"{\"errorcode\":0}", "{\"data\":null}", "{\"data\":{}}"}) {
        CLoginMessage message;
        message.Decode(pszText);
        EXPECT_TRUE(message.HasSessionData()) << pszText;
        EXPECT_EQ("", message.GetSessionCode()) << pszText;
        EXPECT_EQ(0, message.GetLoginType()) << pszText;
    }

    CLoginMessage nulls;
    nulls.Decode(Reply("{\"logintype\":null,\"sessioncode\":null,\"nickname\":null,\"head\":null}"));
    EXPECT_TRUE(nulls.HasSessionData());
    EXPECT_EQ(0, nulls.GetLoginType());
    EXPECT_EQ("", nulls.GetSessionCode());
    EXPECT_EQ("", nulls.GetNickname());
    EXPECT_EQ("", nulls.GetHeadImage());

    // atoi: leading blanks and sign, trailing text ignored; no digits give 0. A JSON
    // number or object is outside the format and reads as empty rather than throwing.
    struct {
        const char* pszValue;
        int nExpected;
    } cases[] = {{"\" -42x\"", -42}, {"\"abc\"", 0}, {"\"\"", 0}, {"77", 0}, {"{}", 0}};
    for (const auto& c : cases) {
        CLoginMessage message;
        message.Decode(Reply(std::string("{\"logintype\":") + c.pszValue + ",\"sessioncode\":[1]}"));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << c.pszValue;
        EXPECT_EQ(c.nExpected, message.GetLoginType()) << c.pszValue;
        EXPECT_EQ("", message.GetSessionCode()) << c.pszValue;
    }
}

TEST(LoginReply, NothingToApplyWhenHeadFailsOrDataIsWrong)
{
    for (const char* pszText : kFailedReplies) {
        CLoginMessage message;
        message.Decode(pszText);
        EXPECT_TRUE(message.GetHead()->IsFailed()) << pszText;
        EXPECT_FALSE(message.HasSessionData()) << pszText;
        EXPECT_EQ(0, message.GetLoginType()) << pszText;
        EXPECT_EQ("", message.GetSessionCode()) << pszText;
    }
    for (const char* pszData : kWrongData) {
        CLoginMessage message;
        message.Decode(Reply(pszData));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << pszData;
        EXPECT_FALSE(message.HasSessionData()) << pszData;
    }
    CLoginMessage failed;
    failed.Decode(kFailedReplies[0]);
    EXPECT_EQ(3, failed.GetHead()->GetErrorCode());
    EXPECT_EQ("bad", failed.GetHead()->GetError());
}

TEST(UserInfoReply, ReadsTheTable)
{
    CGetUserInfoMessage message;
    message.Decode(Reply(std::string("{\"nickname\":\"top\",\"table\":{\"nickname\":\"") + kCityUtf8 +
                         "\",\"cityname\":\"" + kCityGbk +
                         "\",\"guanzhucount\":\"1\",\"fensicount\":\" 22\",\"roadbookcount\":\"-3\","
                         "\"microbookcount\":\"4abc\",\"youjicount\":\"5\"}}"));
    ASSERT_FALSE(message.GetHead()->IsFailed());
    EXPECT_EQ(kCityUtf8, message.GetNickname());
    EXPECT_EQ(kCityGbk, message.GetCityName());
    EXPECT_EQ(1, message.GetFollowingCount());
    EXPECT_EQ(22, message.GetFansCount());
    EXPECT_EQ(-3, message.GetRoadBookCount());
    EXPECT_EQ(4, message.GetMicroBookCount());
    EXPECT_EQ(5, message.GetTravelNoteCount());
}

TEST(UserInfoReply, AbsentAndNullKeysTakeDefaults)
{
    CGetUserInfoMessage partial;
    partial.Decode(Reply("{\"table\":{\"nickname\":null,\"cityname\":\"x\",\"fensicount\":null,"
                         "\"roadbookcount\":\"8\"}}"));
    EXPECT_EQ("", partial.GetNickname());
    EXPECT_EQ("x", partial.GetCityName());
    EXPECT_EQ(0, partial.GetFansCount());
    EXPECT_EQ(8, partial.GetRoadBookCount());
    EXPECT_EQ(0, partial.GetTravelNoteCount());

    for (const char* pszData : {"{}", "null", "{\"table\":null}"}) {
        CGetUserInfoMessage message;
        message.Decode(Reply(pszData));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << pszData;
        EXPECT_EQ("", message.GetNickname()) << pszData;
        EXPECT_EQ(0, message.GetFollowingCount()) << pszData;
    }
}

TEST(UserInfoReply, WrongTypesAndFailuresFillNothing)
{
    std::string texts[] = {Reply("{\"table\":[{\"nickname\":\"n\",\"youjicount\":\"4\"}]}"), Reply("{\"table\":\"n\"}"),
                           Reply("{\"table\":7}")};
    for (const std::string& text : texts) {
        CGetUserInfoMessage message;
        message.Decode(text);
        EXPECT_FALSE(message.GetHead()->IsFailed()) << text;
        EXPECT_EQ("", message.GetNickname()) << text;
        EXPECT_EQ(0, message.GetTravelNoteCount()) << text;
    }
    for (const char* pszData : kWrongData) {
        CGetUserInfoMessage message;
        message.Decode(Reply(pszData));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << pszData;
        EXPECT_EQ(0, message.GetFollowingCount()) << pszData;
        EXPECT_EQ(0, message.GetFansCount()) << pszData;
        EXPECT_EQ(0, message.GetRoadBookCount()) << pszData;
        EXPECT_EQ(0, message.GetMicroBookCount()) << pszData;
        EXPECT_EQ(0, message.GetTravelNoteCount()) << pszData;
    }
    for (const char* pszText : kFailedReplies) {
        CGetUserInfoMessage message;
        message.Decode(pszText);
        EXPECT_TRUE(message.GetHead()->IsFailed()) << pszText;
        EXPECT_EQ("", message.GetNickname()) << pszText;
        EXPECT_EQ(0, message.GetTravelNoteCount()) << pszText;
    }
}

TEST(VersionReply, ReadsKeysDirectlyFromData)
{
    CCheckVersionMessage message;
    message.Decode(Reply(std::string("{\"updatetype\":\"2\",\"clientType\":\"5\",\"clientverno\":\"1.0.0.3\","
                                     "\"updatetime\":\"2013-05-01\",\"downurl\":\"http://h/u.zip\",\"info\":\"") +
                         kCityGbk + "\"}"));
    ASSERT_FALSE(message.GetHead()->IsFailed());
    EXPECT_EQ(2, message.GetUpdateType());
    EXPECT_EQ("5", message.GetClientType());
    EXPECT_EQ("1.0.0.3", message.GetClientVersion());
    EXPECT_EQ("2013-05-01", message.GetUpdateTime());
    EXPECT_EQ("http://h/u.zip", message.GetDownUrl());
    EXPECT_EQ(kCityGbk, message.GetInfo());

    // The keys are not looked for under "table".
    CCheckVersionMessage nested;
    nested.Decode(Reply("{\"table\":{\"updatetype\":\"1\",\"downurl\":\"x\"}}"));
    EXPECT_EQ(0, nested.GetUpdateType());
    EXPECT_EQ("", nested.GetDownUrl());
}

TEST(VersionReply, UpdateTypeValues)
{
    struct {
        const char* pszData;
        int nExpected;
    } cases[] = {{"{\"updatetype\":\"1\"}", 1},
                 {"{\"updatetype\":\" 2 \"}", 2},
                 {"{\"updatetype\":\"1abc\"}", 1},
                 {"{\"updatetype\":\"x2\"}", 0},
                 {"{\"updatetype\":null}", 0},
                 {"{\"updatetype\":2}", 0},
                 {"{\"updatetype\":[\"2\"]}", 0},
                 {"{}", 0},
                 {"null", 0}};
    for (const auto& c : cases) {
        CCheckVersionMessage message;
        message.Decode(Reply(c.pszData));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << c.pszData;
        EXPECT_EQ(c.nExpected, message.GetUpdateType()) << c.pszData;
    }
}

TEST(VersionReply, WrongDataOrFailedHeadNeverAsksForAnUpdate)
{
    for (const char* pszData : kWrongData) {
        CCheckVersionMessage message;
        message.Decode(Reply(pszData));
        EXPECT_FALSE(message.GetHead()->IsFailed()) << pszData;
        EXPECT_EQ(0, message.GetUpdateType()) << pszData;
    }
    for (const char* pszText : kFailedReplies) {
        CCheckVersionMessage message;
        message.Decode(pszText);
        EXPECT_TRUE(message.GetHead()->IsFailed()) << pszText;
        EXPECT_EQ(0, message.GetUpdateType()) << pszText;
        EXPECT_EQ("", message.GetDownUrl()) << pszText;
    }
}
