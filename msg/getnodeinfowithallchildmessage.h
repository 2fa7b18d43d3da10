#ifndef MSG_GETNODEINFOWITHALLCHILDMESSAGE_H
#define MSG_GETNODEINFOWITHALLCHILDMESSAGE_H

// The reply to the request for one node with all its descendants: "data"."table" is
// the node, its "children" the descendants, nested. The message does not own the
// root it creates: whoever takes it with GetRoot deletes it.

#include "model/treenode.h"
#include "msg/msghead.h"
#include <json/json.h>

class CGetNodeInfoWithAllChildMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    // Null unless Decode found a node table.
    TreeNode* GetRoot() const { return m_pRoot; }

private:
    // Appends the nodes of the array to pParent; an element goes deeper only when
    // it is no leaf (is-leaf 0) and its own "children" is a non-empty array.
    static void ParseChildren(TreeNode* pParent, const Json::Value& children);

    CMsgHead m_head;
    TreeNode* m_pRoot = nullptr;
};

#endif
