#ifndef MSG_GETNODEMESSAGE_H
#define MSG_GETNODEMESSAGE_H

// The reply for a single node without children or icon. The node is part of the
// message and goes with it.

#include "model/treenode.h"
#include "msg/msghead.h"

class GetNodeMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    TreeNode& GetNode() { return m_node; }

private:
    CMsgHead m_head;
    TreeNode m_node;
};

#endif
