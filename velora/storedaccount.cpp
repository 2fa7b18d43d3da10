#include "velora/storedaccount.h"

#include "velora/activedoc.h"
#include "velora/mainframe.h"
#include "velora/veloraapp.h"
#include "velora/veloradoc.h"

namespace {

CVeloraDoc* StoredAccountDoc()
{
    return dynamic_cast<CVeloraDoc*>(GetActiveDoc());
}

CMainFrame* MainFrame()
{
    return dynamic_cast<CMainFrame*>(AfxGetMainWnd());
}

} // namespace

CString GetStoredUserName()
{
    CVeloraDoc* pDoc = StoredAccountDoc();
    return pDoc ? pDoc->GetUserInfo()->GetUserName() : CString();
}

CString GetStoredPassword()
{
    CVeloraDoc* pDoc = StoredAccountDoc();
    return pDoc ? pDoc->GetUserInfo()->GetPassword() : CString();
}

// The document keeps its own path: the file is written, the document is not renamed.
void StoreAccount(const CString& strUserName, const CString& strPassword)
{
    CVeloraDoc* pDoc = StoredAccountDoc();
    if (!pDoc)
        return;
    pDoc->GetUserInfo()->SetUserName(strUserName);
    pDoc->GetUserInfo()->SetPassword(strPassword);
    CMainFrame* pFrame = MainFrame();
    if (pFrame && !pFrame->m_strConfigPath.IsEmpty())
        pDoc->DoSave(pFrame->m_strConfigPath, FALSE);
}

void ClearSession()
{
    if (CMainFrame* pFrame = MainFrame()) {
        pFrame->m_strNickname.Empty();
        pFrame->m_strHeadImage.clear();
    }
    if (CVeloraApp* pApp = GetVeloraApp())
        pApp->m_strSessionCode.Empty();
}
