#include "msg/getuserinfomessage.h"

#include "msg/nodereader.h"
#include "msg/replyreader.h"

void CGetUserInfoMessage::Decode(std::string strText)
{
    Json::Value data;
    if (!DecodeEnvelope(strText, m_head, data))
        return;
    // An absent or null table means all defaults.
    const Json::Value* pTable = FindMember(data, "table");
    const Json::Value table = pTable ? *pTable : Json::Value();
    if (!table.isObject() && !table.isNull())
        return;
    m_strNickname = ReadText(table, "nickname", "");
    m_strCityName = ReadText(table, "cityname", "");
    m_nFollowingCount = ReadNumber(table, "guanzhucount", "");
    m_nFansCount = ReadNumber(table, "fensicount", "");
    m_nRoadBookCount = ReadNumber(table, "roadbookcount", "");
    m_nMicroBookCount = ReadNumber(table, "microbookcount", "");
    m_nTravelNoteCount = ReadNumber(table, "youjicount", "");
}
