#include "msg/checkversionmessage.h"

#include "msg/envelope.h"
#include "msg/replyreader.h"

void CCheckVersionMessage::Decode(std::string strText)
{
    Json::Value data;
    if (!DecodeEnvelope(strText, m_head, data))
        return;
    m_nUpdateType = ReadNumber(data, "updatetype", "0");
    m_strClientType = ReadText(data, "clientType", "");
    m_strClientVersion = ReadText(data, "clientverno", "");
    m_strUpdateTime = ReadText(data, "updatetime", "");
    m_strDownloadUrl = ReadText(data, "downurl", "");
    m_strInfo = ReadText(data, "info", "");
}
