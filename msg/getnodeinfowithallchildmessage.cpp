#include "msg/getnodeinfowithallchildmessage.h"

#include "msg/nodereader.h"

void CGetNodeInfoWithAllChildMessage::Decode(std::string strText)
{
    Json::Value data;
    const Json::Value* pTable = DecodeObjectTable(strText, m_head, data);
    if (!pTable)
        return;
    const Json::Value& table = *pTable;
    m_pRoot = ReadNode(table, "1");
    const Json::Value* pChildren = FindMember(table, "children");
    if (pChildren && pChildren->isArray())
        ParseChildren(m_pRoot, *pChildren);
}

void CGetNodeInfoWithAllChildMessage::ParseChildren(TreeNode* pParent, const Json::Value& children)
{
    for (Json::ArrayIndex i = 0; i < children.size(); ++i) {
        const Json::Value& element = children[i];
        if (!IsNodeValue(element))
            continue;
        TreeNode* pNode = ReadNode(element, "0");
        pParent->AddChild(pNode);
        const Json::Value* pChildren = FindMember(element, "children");
        if (pChildren && pChildren->isArray() && pChildren->size() > 0 && pNode->GetIsLeaf() == 0)
            ParseChildren(pNode, *pChildren);
    }
}
