#include "msg/loginmessage.h"

#include "msg/envelope.h"
#include "msg/replyreader.h"

void CLoginMessage::Decode(std::string strText)
{
    Json::Value data;
    if (!DecodeEnvelope(strText, m_head, data))
        return;
    m_nLoginType = ReadNumber(data, "logintype", "");
    m_strSessionCode = ReadText(data, "sessioncode", "");
    m_strNickname = ReadText(data, "nickname", "");
    m_strHeadImage = ReadText(data, "head", "");
    m_bHasSessionData = true;
}
