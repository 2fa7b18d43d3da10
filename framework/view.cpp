#include "framework/view.h"

#include "framework/createcontext.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

void CView::OnInitialUpdate()
{
    Invalidate();
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
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
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(m_hWnd, &ps);
    if (hDC)
        OnDraw(hDC);
    EndPaint(m_hWnd, &ps);
}

void CView::PostNcDestroy()
{
    delete this;
}
