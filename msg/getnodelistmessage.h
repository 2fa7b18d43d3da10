#ifndef MSG_GETNODELISTMESSAGE_H
#define MSG_GETNODELISTMESSAGE_H

// The reply to the request for a node's child list: "data"."table" is a flat array of
// nodes. The parent id is that of the last node. The message does not own the nodes:
// whoever takes them with GetNodeList deletes or adopts them.

#include "model/treenode.h"
#include "msg/msghead.h"
#include <climits>
#include <vector>

class CGetNodeListMessage : public ICodeable {
public:
    // The parent id while the list is empty. Node id 0 is the frame's own root, so
    // "no parent" needs a value the service does not use as an id.
    static constexpr int kNoParentId = INT_MIN;

    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    int GetParentId() const { return m_nParentId; }
    // A copy of the list; the nodes themselves are shared.
    std::vector<TreeNode*> GetNodeList() const { return m_nodes; }

private:
    CMsgHead m_head;
    int m_nParentId = kNoParentId;
    std::vector<TreeNode*> m_nodes;
};

#endif
