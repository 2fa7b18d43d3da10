#include "msg/envelope.h"

#include "msg/replyreader.h"

bool DecodeEnvelope(const std::string& strText, CMsgHead& head, Json::Value& data)
{
    head.Decode(strText);
    if (head.IsFailed())
        return false;
    Json::Value root;
    if (!ParseReply(strText, root)) {
        head.SetFailed(1);
        head.SetErrorCode(-1);
        head.SetError(kReplyInvalidText);
        return false;
    }
    const Json::Value* pData = root.isObject() ? root.find("data", "data" + 4) : nullptr;
    data = pData ? *pData : Json::Value();
    return data.isObject() || data.isNull();
}
