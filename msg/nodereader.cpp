#include "msg/nodereader.h"

#include "framework/trace.h"
#include "msg/envelope.h"
#include "msg/replyreader.h"
#include "util/imagedecode.h"
#include <cstdlib>
#include <cstring>

namespace {

// Shorter texts are placeholders the service sends for nodes without an icon.
const size_t kMinIconText = 11;

} // namespace

const Json::Value* FindMember(const Json::Value& object, const char* pszKey)
{
    return object.isObject() ? object.find(pszKey, pszKey + strlen(pszKey)) : nullptr;
}

bool IsNodeValue(const Json::Value& value)
{
    return value.isObject() || value.isNull();
}

TreeNode* ReadNode(const Json::Value& object, const char* pszNeedExpandDefault)
{
    TreeNode* pNode = new TreeNode;
    pNode->SetId(ReadNumber(object, "id", "0"));
    pNode->SetNodeId(ReadNumber(object, "nodeid", "0"));
    pNode->SetPid(ReadNumber(object, "pid", "0"));
    pNode->SetNodeName(ReadText(object, "nodename", ""));
    pNode->SetNodeUrl(ReadText(object, "nodeurl", "0"));
    pNode->SetBlank(ReadNumber(object, "blank", "0"));
    pNode->SetNeedExpand(ReadNumber(object, "needexpand", pszNeedExpandDefault));
    pNode->SetIsLeaf(ReadNumber(object, "isleaf", "-1"));
    std::string strIcon = ReadText(object, "nodeicon", "");
    if (strIcon.size() >= kMinIconText) {
        Gdiplus::Image* pIcon = DecodedImageFromBase64(strIcon);
        if (!pIcon)
            TRACE("decode image failed, node id:%d\n", pNode->GetNodeId());
        pNode->SetImage(pIcon);
    }
    return pNode;
}

const Json::Value* ObjectTable(const Json::Value& data)
{
    static const Json::Value s_null;
    const Json::Value* pTable = FindMember(data, "table");
    if (!pTable)
        return &s_null;
    return IsNodeValue(*pTable) ? pTable : nullptr;
}

const Json::Value* DecodeObjectTable(const std::string& strText, CMsgHead& head, Json::Value& data)
{
    return DecodeEnvelope(strText, head, data) ? ObjectTable(data) : nullptr;
}
