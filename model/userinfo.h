#ifndef MODEL_USERINFO_H
#define MODEL_USERINFO_H

// The one stored account: user name and password, kept so that the client can log in
// by itself at the next start. The document embeds it and its serialisation is the
// whole configuration file: the two strings back to back, nothing else. The password
// is kept and stored as typed.

#include "framework/archive.h"
#include "framework/cstring.h"
#include "framework/object.h"

class CUserInfo : public CObject {
    DECLARE_SERIAL(CUserInfo)

public:
    CUserInfo() = default;
    ~CUserInfo() override = default;

    // A load that fails leaves the string being read, and those after it, unchanged.
    void Serialize(CArchive& ar) override;

    CString GetUserName() const { return m_strUserName; }
    CString GetPassword() const { return m_strPassword; }
    void SetUserName(CString strUserName) { m_strUserName = strUserName; }
    void SetPassword(CString strPassword) { m_strPassword = strPassword; }

private:
    CString m_strUserName;
    CString m_strPassword;
};

#endif
