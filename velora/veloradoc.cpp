#include "velora/veloradoc.h"

#include "framework/trace.h"

IMPLEMENT_DYNCREATE(CVeloraDoc, CDocument)

CVeloraDoc::CVeloraDoc()
{
    TRACE("=============> CVeloraDoc::CVeloraDoc\n");
}

CVeloraDoc::~CVeloraDoc()
{
    TRACE("=============> CVeloraDoc::~CVeloraDoc()\n");
}

BOOL CVeloraDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

// Only the record's own fields: no class record or schema is written.
void CVeloraDoc::Serialize(CArchive& ar)
{
    m_userInfo.Serialize(ar);
}
