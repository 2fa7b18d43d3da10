#include "framework/view.h"

#include "framework/createcontext.h"
#include "framework/dc.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

void CView::OnInitialUpdate()
{
    Invalidate();
}

void CView::OnActivateFrame(UINT nState)
{
}

int CView::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc)
        m_pDocument = pContext->m_pCurrentDoc;
    return 0;
}

void CView::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (dc)
        OnDraw(dc);
}

void CView::PostNcDestroy()
{
    delete this;
}
