#ifndef MSG_GETUSERINFOMESSAGE_H
#define MSG_GETUSERINFOMESSAGE_H

// The reply to the member's profile request: "data"."table" holds the nickname, the
// city and five counts sent as text. The counts start at 0 so a reply whose "data" or
// "table" could not be read shows an empty profile, never stray values.

#include "msg/msghead.h"

class CGetUserInfoMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    std::string GetNickname() const { return m_strNickname; }
    std::string GetCityName() const { return m_strCityName; }
    int GetFollowingCount() const { return m_nFollowingCount; }
    int GetFansCount() const { return m_nFansCount; }
    int GetRoadBookCount() const { return m_nRoadBookCount; }
    int GetMicroBookCount() const { return m_nMicroBookCount; }
    int GetTravelNoteCount() const { return m_nTravelNoteCount; }

private:
    CMsgHead m_head;
    std::string m_strNickname;
    std::string m_strCityName;
    int m_nFollowingCount = 0;
    int m_nFansCount = 0;
    int m_nRoadBookCount = 0;
    int m_nMicroBookCount = 0;
    int m_nTravelNoteCount = 0;
};

#endif
