#ifndef VELORA_VELORADOC_H
#define VELORA_VELORADOC_H

// Velora's one document: the stored account. Its file is "data\config.vr" beside the
// executable and holds exactly the account record's fields.

#include "framework/document.h"
#include "framework/object.h"
#include "model/userinfo.h"

class CVeloraDoc : public CDocument {
    DECLARE_DYNCREATE(CVeloraDoc)

public:
    CVeloraDoc();
    ~CVeloraDoc() override;

    BOOL OnNewDocument() override;
    void Serialize(CArchive& ar) override;
    CUserInfo* GetUserInfo() { return &m_userInfo; }

private:
    CUserInfo m_userInfo;
};

#endif
