#ifndef MSG_MSGHEAD_H
#define MSG_MSGHEAD_H

// The envelope of every service reply ("appid", "errorcode", "error"). A reply
// succeeds only when its head does: errorcode 0. An empty or unreadable reply is a
// failed head with errorcode -1 and the client's own text.

#include "msg/icodeable.h"
#include <string>

class CMsgHead : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return nullptr; }
    void SetHead(CMsgHead) override {}

    int GetAppId() const { return m_nAppId; }
    int GetErrorCode() const { return m_nErrorCode; }
    const std::string& GetError() const { return m_strError; }
    int IsFailed() const { return m_nFailed; }
    void SetAppId(int nAppId) { m_nAppId = nAppId; }
    void SetErrorCode(int nErrorCode) { m_nErrorCode = nErrorCode; }
    void SetError(std::string strError) { m_strError = std::move(strError); }
    void SetFailed(int nFailed) { m_nFailed = nFailed; }

    // Marks the head as a reply that could not be read: errorcode -1 and the text
    // appended to the error.
    void FailUnreadable(const char* pszText);

private:
    int m_nAppId = 0;
    int m_nErrorCode = 0;
    std::string m_strError;
    int m_nFailed = 0;
};

// The texts of a failed head.
extern const char* const kReplyEmptyText;
extern const char* const kReplyInvalidText;

#endif
