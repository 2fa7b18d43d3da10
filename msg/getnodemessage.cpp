#include "msg/getnodemessage.h"

#include "msg/nodereader.h"
#include "msg/replyreader.h"

void GetNodeMessage::Decode(std::string strText)
{
    Json::Value data;
    const Json::Value* pTable = DecodeObjectTable(strText, m_head, data);
    if (!pTable)
        return;
    const Json::Value& table = *pTable;
    // Read without defaults: an absent key is the empty text, a number 0.
    m_node.SetId(ReadNumber(table, "id", ""));
    m_node.SetNodeId(ReadNumber(table, "nodeid", ""));
    m_node.SetPid(ReadNumber(table, "pid", ""));
    m_node.SetNodeName(ReadText(table, "nodename", ""));
    m_node.SetNodeUrl(ReadText(table, "nodeurl", ""));
    m_node.SetBlank(ReadNumber(table, "blank", ""));
    m_node.SetNeedExpand(ReadNumber(table, "needexpand", ""));
}
