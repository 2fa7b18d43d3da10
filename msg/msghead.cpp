#include "msg/msghead.h"

#include "framework/trace.h"
#include "msg/replyreader.h"
#include <climits>
#include <cstring>

const char* const kReplyEmptyText = "服务器返回消息为空";
const char* const kReplyInvalidText = "服务器返回消息错误";

namespace {

// An envelope number: absent or null reads 0, a boolean 1 or 0, a number within the
// int range truncated. Anything else cannot be read.
bool ReadHeadNumber(const Json::Value& root, const char* pszKey, int& nValue)
{
    const Json::Value* pValue = root.isObject() ? root.find(pszKey, pszKey + strlen(pszKey)) : nullptr;
    if (!pValue || pValue->isNull()) {
        nValue = 0;
        return true;
    }
    if (pValue->isBool()) {
        nValue = pValue->asBool() ? 1 : 0;
        return true;
    }
    if (!pValue->isNumeric())
        return false;
    double dValue = pValue->asDouble();
    if (dValue <= static_cast<double>(INT_MIN) - 1.0 || dValue >= static_cast<double>(INT_MAX) + 1.0)
        return false;
    nValue = static_cast<int>(dValue);
    return true;
}

} // namespace

void CMsgHead::FailUnreadable(const char* pszText)
{
    m_nFailed = 1;
    m_nErrorCode = -1;
    m_strError += pszText;
}

void CMsgHead::Decode(std::string strText)
{
    if (strText.empty()) {
        TRACE("reply: empty\n");
        FailUnreadable(kReplyEmptyText);
        return;
    }
    Json::Value root;
    if (!ParseReply(strText, root) || !(root.isObject() || root.isNull())) {
        FailUnreadable(kReplyInvalidText);
        return;
    }
    int nAppId = 0;
    int nErrorCode = 0;
    if (!ReadHeadNumber(root, "appid", nAppId) || !ReadHeadNumber(root, "errorcode", nErrorCode)) {
        FailUnreadable(kReplyInvalidText);
        return;
    }
    m_nAppId = nAppId;
    m_nErrorCode = nErrorCode;
    m_strError = ReadText(root, "error", "");
    m_nFailed = m_nErrorCode != 0 ? 1 : 0;
    TRACE("reply: errorcode=%d\n", m_nErrorCode);
}
