// A view's print preview: the job is prepared as a direct print is, its current page is
// recorded against the printer's device context (so it has the printer's size and
// resolution) and shown scaled to fit in a modal window over the frame. "打印" there
// ends the preview and prints through the view's print command.
#include "framework/view.h"

#include "framework/afxres.h"
#include "framework/printpreview.h"

void CView::OnFilePrintPreview()
{
    if (Preview())
        SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

BOOL CView::Preview()
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    if (!OnPreparePrinting(&info))
        return FALSE;
    HDC hDC = info.m_pd.hDC;
    OnBeginPrinting(hDC, &info);
    info.m_nCurPage = info.GetFromPage();
    // The page's size in hundredths of a millimetre, as the recording measures it.
    SIZE sizePage = {GetDeviceCaps(hDC, HORZSIZE) * 100, GetDeviceCaps(hDC, VERTSIZE) * 100};
    RECT rcFrame = {0, 0, sizePage.cx, sizePage.cy};
    HENHMETAFILE hPage = NULL;
    if (HDC hPageDC = CreateEnhMetaFileA(hDC, NULL, &rcFrame, NULL)) {
        OnPrint(hPageDC, &info);
        hPage = CloseEnhMetaFile(hPageDC);
    }
    CPrintPreviewWnd wndPreview(hPage, sizePage);
    INT_PTR nResult = wndPreview.DoModal(CWnd::FromHandle(::GetAncestor(m_hWnd, GA_ROOT)));
    if (hPage)
        DeleteEnhMetaFile(hPage);
    OnEndPrinting(hDC, &info);
    return nResult == ID_FILE_PRINT;
}
