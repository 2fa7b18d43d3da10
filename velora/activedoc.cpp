#include "velora/activedoc.h"

#include "framework/doctemplate.h"
#include "framework/winapp.h"

CDocument* GetActiveDoc()
{
    CWinApp* pApp = AfxGetApp();
    CDocTemplate* pTemplate = pApp ? pApp->GetFirstDocTemplate() : NULL;
    return pTemplate ? pTemplate->GetFirstDoc() : NULL;
}
