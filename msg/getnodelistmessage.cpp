#include "msg/getnodelistmessage.h"

#include "msg/envelope.h"
#include "msg/nodereader.h"

void CGetNodeListMessage::Decode(std::string strText)
{
    Json::Value data;
    if (!DecodeEnvelope(strText, m_head, data))
        return;
    const Json::Value* pTable = FindMember(data, "table");
    if (!pTable || !pTable->isArray())
        return;
    for (Json::ArrayIndex i = 0; i < pTable->size(); ++i) {
        const Json::Value& element = (*pTable)[i];
        if (!IsNodeValue(element))
            continue;
        TreeNode* pNode = ReadNode(element, "0");
        m_nParentId = pNode->GetPid();
        m_nodes.push_back(pNode);
    }
}
