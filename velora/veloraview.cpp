#include "velora/veloraview.h"

#include "framework/afxres.h"
#include "framework/trace.h"
#include "velora/veloradoc.h"

IMPLEMENT_DYNCREATE(CVeloraView, CView)

CVeloraView::CVeloraView()
{
    TRACE("CVeloraView::CVeloraView()\n");
}

CVeloraDoc* CVeloraView::GetDocument() const
{
    return dynamic_cast<CVeloraDoc*>(CView::GetDocument());
}

void CVeloraView::OnDraw(HDC)
{
}

BOOL CVeloraView::OnCmdMsg(UINT nID)
{
    switch (nID) {
    case ID_FILE_PRINT:
        OnFilePrint();
        return TRUE;
    case ID_FILE_PRINT_DIRECT:
        OnFilePrintDirect();
        return TRUE;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        return TRUE;
    }
    return CView::OnCmdMsg(nID);
}

BOOL CVeloraView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

// The view draws nothing: a print job has nothing to set up or free.
void CVeloraView::OnBeginPrinting(HDC, CPrintInfo*)
{
}

void CVeloraView::OnEndPrinting(HDC, CPrintInfo*)
{
}
