// A view's printing: the job's steps around StartDoc, one StartPage/EndPage per page,
// and EndDoc (AbortDoc when a page fails).
#include "framework/view.h"

#include "framework/document.h"
#include "framework/messagebox.h"
#include "framework/winapp.h"

void CView::OnFilePrint()
{
    Print(FALSE);
}

void CView::OnFilePrintDirect()
{
    Print(TRUE);
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(HDC, CPrintInfo*)
{
}

void CView::OnEndPrinting(HDC, CPrintInfo*)
{
}

void CView::OnPrint(HDC hDC, CPrintInfo*)
{
    OnDraw(hDC);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    if (pInfo->m_bDirect || pInfo->m_bPreview) {
        pInfo->m_pd.hDC = pApp->CreatePrinterDC();
        return pInfo->m_pd.hDC != NULL;
    }
    pInfo->m_pd.Flags |= PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    pInfo->m_pd.hwndOwner = ::GetAncestor(m_hWnd, GA_ROOT);
    return pApp->DoPrintDialog(&pInfo->m_pd) && pInfo->m_pd.hDC;
}

void CView::Print(BOOL bDirect)
{
    CPrintInfo info;
    info.m_bDirect = bDirect;
    if (!OnPreparePrinting(&info))
        return;
    HDC hDC = info.m_pd.hDC;
    CString strName = m_pDocument ? m_pDocument->GetTitle() : CString();
    if (strName.IsEmpty())
        strName = AfxGetAppTitle();
    DOCINFOA di = {};
    di.cbSize = sizeof(di);
    di.lpszDocName = strName;
    if (StartDocA(hDC, &di) <= 0)
        return;
    OnBeginPrinting(hDC, &info);
    BOOL bOk = TRUE;
    for (info.m_nCurPage = info.GetFromPage(); bOk && info.m_nCurPage <= info.GetToPage(); ++info.m_nCurPage) {
        bOk = StartPage(hDC) > 0;
        if (bOk) {
            OnPrint(hDC, &info);
            bOk = EndPage(hDC) > 0;
        }
    }
    if (bOk)
        EndDoc(hDC);
    else
        AbortDoc(hDC);
    OnEndPrinting(hDC, &info);
}
