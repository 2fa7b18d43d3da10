#include "velora/veloraview.h"

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
