#include "msg/getuserinfomessage.h"

#include "msg/nodereader.h"
#include "msg/replyreader.h"

void CGetUserInfoMessage::Decode(std::string strText)
{
    Json::Value data;
    // An absent or null table means all defaults.
    const Json::Value* pTable = DecodeObjectTable(strText, m_head, data);
    if (!pTable)
        return;
    const Json::Value& table = *pTable;
    m_profile.SetNickname(ReadText(table, "nickname", ""));
    m_profile.SetCityName(ReadText(table, "cityname", ""));
    m_profile.SetFollowingCount(ReadNumber(table, "guanzhucount", ""));
    m_profile.SetFansCount(ReadNumber(table, "fensicount", ""));
    m_profile.SetRoadBookCount(ReadNumber(table, "roadbookcount", ""));
    m_profile.SetMicroBookCount(ReadNumber(table, "microbookcount", ""));
    m_profile.SetTravelNoteCount(ReadNumber(table, "youjicount", ""));
}
