#ifndef MSG_GETUSERINFOMESSAGE_H
#define MSG_GETUSERINFOMESSAGE_H

// The reply to the member's profile request: "data"."table" holds the nickname, the
// city and five counts sent as text. The counts start at 0 so a reply whose "data" or
// "table" could not be read shows an empty profile, never stray values.

#include "model/userprofile.h"
#include "msg/msghead.h"

class CGetUserInfoMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    const CUserProfile& GetProfile() const { return m_profile; }
    std::string GetNickname() const { return m_profile.GetNickname(); }
    std::string GetCityName() const { return m_profile.GetCityName(); }
    int GetFollowingCount() const { return m_profile.GetFollowingCount(); }
    int GetFansCount() const { return m_profile.GetFansCount(); }
    int GetRoadBookCount() const { return m_profile.GetRoadBookCount(); }
    int GetMicroBookCount() const { return m_profile.GetMicroBookCount(); }
    int GetTravelNoteCount() const { return m_profile.GetTravelNoteCount(); }

private:
    CMsgHead m_head;
    CUserProfile m_profile;
};

#endif
