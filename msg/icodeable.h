#ifndef MSG_ICODEABLE_H
#define MSG_ICODEABLE_H

#include <string>

class CMsgHead;

// What every reply decoder offers: decode a reply text once, then hand out its
// envelope head.
class ICodeable {
public:
    virtual ~ICodeable() {}
    virtual void Decode(std::string strText) = 0;
    virtual CMsgHead* GetHead() = 0;
    virtual void SetHead(CMsgHead head) = 0;
};

#endif
