#include "msg/commonsmessage.h"
#include "msg/envelope.h"
#include "msg/msghead.h"
#include "msg/replyreader.h"

#include <gtest/gtest.h>
#include <string>

namespace {

CMsgHead DecodeHead(const std::string& text)
{
    CMsgHead head;
    head.Decode(text);
    return head;
}

void ExpectUnreadable(const std::string& text, const char* pszError)
{
    CMsgHead head = DecodeHead(text);
    EXPECT_EQ(1, head.IsFailed()) << text;
    EXPECT_EQ(-1, head.GetErrorCode()) << text;
    EXPECT_EQ(std::string(pszError), head.GetError()) << text;
}

// A message of the usual shape: reads "name" (default "none") and "count" from data.
struct CSampleFields {
    bool bRead = false;
    std::string strName = "unset";
    int nCount = -7;
};

CSampleFields DecodeSample(const std::string& text, CMsgHead& head)
{
    CSampleFields fields;
    Json::Value data;
    if (DecodeEnvelope(text, head, data)) {
        fields.bRead = true;
        fields.strName = ReadText(data, "name", "none");
        fields.nCount = ReadNumber(data, "count", "0");
    }
    return fields;
}

} // namespace

TEST(Envelope, EmptyObjectIsSuccess)
{
    CMsgHead head = DecodeHead("{}");
    EXPECT_EQ(0, head.IsFailed());
    EXPECT_EQ(0, head.GetErrorCode());
    EXPECT_EQ(0, head.GetAppId());
    EXPECT_EQ("", head.GetError());
}

TEST(Envelope, ErrorCodeAndTextAreTaken)
{
    CMsgHead head = DecodeHead("{\"appid\":3,\"errorcode\":5,\"error\":\"bad\"}");
    EXPECT_EQ(1, head.IsFailed());
    EXPECT_EQ(5, head.GetErrorCode());
    EXPECT_EQ(3, head.GetAppId());
    EXPECT_EQ("bad", head.GetError());
}

TEST(Envelope, EmptyAndPlainTextReplies)
{
    ExpectUnreadable("", "服务器返回消息为空");
    ExpectUnreadable("abc", "服务器返回消息错误");
}

TEST(Envelope, NullRootIsEmptyEnvelope)
{
    CMsgHead head = DecodeHead("null");
    EXPECT_EQ(0, head.IsFailed());
    EXPECT_EQ(0, head.GetErrorCode());
}

TEST(Envelope, BooleansAndFractionsAreNumbers)
{
    CMsgHead head = DecodeHead("{\"appid\":2.9,\"errorcode\":true,\"error\":false}");
    EXPECT_EQ(2, head.GetAppId());
    EXPECT_EQ(1, head.GetErrorCode());
    EXPECT_EQ(1, head.IsFailed());
    EXPECT_EQ("false", head.GetError());
}

// jsoncpp throws on reads of the wrong type: none of these may end the program.
TEST(Envelope, OddTypesFailTheHeadInsteadOfThrowing)
{
    ExpectUnreadable("[1,2]", "服务器返回消息错误");
    ExpectUnreadable("\"text\"", "服务器返回消息错误");
    ExpectUnreadable("42", "服务器返回消息错误");
    ExpectUnreadable("{\"errorcode\":\"5\"}", "服务器返回消息错误");
    ExpectUnreadable("{\"errorcode\":3000000000}", "服务器返回消息错误");
    ExpectUnreadable("{\"appid\":{}}", "服务器返回消息错误");
    ExpectUnreadable("{\"appid\":[1]}", "服务器返回消息错误");
    ExpectUnreadable(std::string(5000, '[') + std::string(5000, ']'), "服务器返回消息错误");
}

TEST(Envelope, ErrorOfAnotherTypeReadsEmpty)
{
    CMsgHead head = DecodeHead("{\"errorcode\":2,\"error\":{\"a\":1}}");
    EXPECT_EQ(1, head.IsFailed());
    EXPECT_EQ(2, head.GetErrorCode());
    EXPECT_EQ("", head.GetError());
    EXPECT_EQ("", DecodeHead("{\"error\":7}").GetError());
}

TEST(Envelope, CommonsMessageIsTheHeadAlone)
{
    CCommonsMessage message;
    message.Decode("{\"errorcode\":5,\"error\":\"用户已存在\"}");
    ASSERT_NE(nullptr, message.GetHead());
    EXPECT_EQ(5, message.GetHead()->GetErrorCode());
    EXPECT_EQ("用户已存在", message.GetHead()->GetError());

    CMsgHead other;
    other.SetErrorCode(0);
    other.SetFailed(0);
    other.SetError("x");
    message.SetHead(other);
    EXPECT_EQ(0, message.GetHead()->GetErrorCode());
    EXPECT_EQ("x", message.GetHead()->GetError());
}

TEST(MessageSkeleton, FailedHeadLeavesFieldsUnread)
{
    CMsgHead head;
    CSampleFields fields = DecodeSample("{\"errorcode\":5,\"data\":{\"name\":\"a\"}}", head);
    EXPECT_FALSE(fields.bRead);
    EXPECT_EQ("unset", fields.strName);
}

TEST(MessageSkeleton, DataOfTheWrongTypeIsSilentlySkipped)
{
    for (const char* text : {"{\"data\":[1,2]}", "{\"data\":\"x\"}", "{\"data\":3}", "{\"data\":true}"}) {
        CMsgHead head;
        CSampleFields fields = DecodeSample(text, head);
        EXPECT_FALSE(fields.bRead) << text;
        EXPECT_EQ(0, head.IsFailed()) << text;
        EXPECT_EQ(-7, fields.nCount) << text;
    }
}

TEST(MessageSkeleton, AbsentDataGivesDefaults)
{
    CMsgHead head;
    CSampleFields fields = DecodeSample("{}", head);
    EXPECT_TRUE(fields.bRead);
    EXPECT_EQ("none", fields.strName);
    EXPECT_EQ(0, fields.nCount);
}

TEST(MessageSkeleton, FieldConventions)
{
    CMsgHead head;
    EXPECT_EQ("", DecodeSample("{\"data\":{\"name\":null}}", head).strName);
    EXPECT_EQ("true", DecodeSample("{\"data\":{\"name\":true}}", head).strName);
    EXPECT_EQ("", DecodeSample("{\"data\":{\"name\":12}}", head).strName);
    EXPECT_EQ("", DecodeSample("{\"data\":{\"name\":[1]}}", head).strName);
    EXPECT_EQ("", DecodeSample("{\"data\":{\"name\":{\"a\":1}}}", head).strName);
    EXPECT_EQ(-12, DecodeSample("{\"data\":{\"count\":\"  -12abc\"}}", head).nCount);
    EXPECT_EQ(0, DecodeSample("{\"data\":{\"count\":\"\"}}", head).nCount);
    EXPECT_EQ(0, DecodeSample("{\"data\":{\"count\":\"x1\"}}", head).nCount);
}

TEST(MessageSkeleton, ReadsDoNotInsertKeys)
{
    Json::Value data(Json::objectValue);
    ReadText(data, "missing", "d");
    ReadNumber(data, "other", "0");
    EXPECT_EQ(0u, data.size());
    Json::Value array(Json::arrayValue);
    EXPECT_EQ("d", ReadText(array, "key", "d"));
}
