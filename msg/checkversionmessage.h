#ifndef MSG_CHECKVERSIONMESSAGE_H
#define MSG_CHECKVERSIONMESSAGE_H

// The reply to the version check, keys directly under "data". Update type 1 offers a
// newer version, 2 means this client must be upgraded before use, anything else means
// it is current. The type starts at 0 so that a reply whose "data" could not be read
// never offers an update nor makes the client quit.

#include "msg/msghead.h"

class CCheckVersionMessage : public ICodeable {
public:
    void Decode(std::string strText) override;
    CMsgHead* GetHead() override { return &m_head; }
    void SetHead(CMsgHead head) override { m_head = head; }

    int GetUpdateType() const { return m_nUpdateType; }
    std::string GetClientType() const { return m_strClientType; }
    std::string GetClientVersion() const { return m_strClientVersion; }
    std::string GetUpdateTime() const { return m_strUpdateTime; }
    // The updater's two texts: where the installer is, and the release notes (pieces
    // separated by "|").
    std::string GetDownUrl() const { return m_strDownloadUrl; }
    std::string GetInfo() const { return m_strInfo; }

private:
    CMsgHead m_head;
    int m_nUpdateType = 0;
    std::string m_strClientType;
    std::string m_strClientVersion;
    std::string m_strUpdateTime;
    std::string m_strDownloadUrl;
    std::string m_strInfo;
};

#endif
