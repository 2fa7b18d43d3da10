#ifndef MSG_COMMONSMESSAGE_H
#define MSG_COMMONSMESSAGE_H

#include "msg/msghead.h"

// A reply that carries nothing but its envelope (registration).
class CCommonsMessage : public ICodeable {
public:
    void Decode(std::string strText) override { m_head.Decode(std::move(strText)); }
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

private:
    CMsgHead m_head;
};

#endif
