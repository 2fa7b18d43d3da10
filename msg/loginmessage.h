#ifndef MSG_LOGINMESSAGE_H
#define MSG_LOGINMESSAGE_H

// The reply to a login or an account binding: the session code, the member's nickname
// and avatar (Base64 image text), directly under "data". The reply's "logintype" is the
// member's numeric user id. The message only decodes: the task applies the session code
// and user id to the application on the user-interface thread, and only when
// HasSessionData says the reply carried them (a failed head or a "data" of the wrong
// type must leave the logged-in state alone).

#include "msg/msghead.h"

class CLoginMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    std::string GetSessionCode() const { return m_strSessionCode; }
    std::string GetNickname() const { return m_strNickname; }
    std::string GetHeadImage() const { return m_strHeadImage; }
    // The "logintype" text as a number: the member id later sent as "memberid".
    int GetLoginType() const { return m_nLoginType; }
    // True once Decode has read the keys of "data" (absent "data" included, which gives
    // an empty session code and user id 0).
    bool HasSessionData() const { return m_bHasSessionData; }

private:
    CMsgHead m_head;
    std::string m_strSessionCode;
    std::string m_strNickname;
    std::string m_strHeadImage;
    int m_nLoginType = 0;
    bool m_bHasSessionData = false;
};

#endif
