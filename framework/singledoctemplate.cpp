#include "framework/singledoctemplate.h"

#include "framework/document.h"
#include "framework/framewnd.h"
#include "framework/winapp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    // A frame that still stands keeps the document until it is destroyed.
    if (m_pFrame)
        m_pFrame->m_pDocument = NULL;
    delete m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::CreateDocumentAndFrame(BOOL& bCreated, CFrameWnd*& pFrame)
{
    bCreated = FALSE;
    pFrame = m_pFrame;
    if (m_pOnlyDoc)
        return m_pOnlyDoc;
    CDocument* pDoc = CreateNewDocument();
    if (!pDoc)
        return NULL;
    pFrame = CreateNewFrame(pDoc);
    if (!pFrame) {
        delete pDoc;
        return NULL;
    }
    m_pOnlyDoc = pDoc;
    m_pFrame = pFrame;
    bCreated = TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    return pDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible)
{
    BOOL bCreated;
    CFrameWnd* pFrame;
    CDocument* pDoc = CreateDocumentAndFrame(bCreated, pFrame);
    if (!pDoc)
        return NULL;
    BOOL bOk = lpszPathName ? pDoc->OnOpenDocument(lpszPathName) : pDoc->OnNewDocument();
    if (!bOk) {
        // A document that failed to open keeps what it read; only a new one goes.
        if (bCreated && pFrame)
            pFrame->DestroyWindow();
        return NULL;
    }
    if (lpszPathName) {
        pDoc->SetPathName(lpszPathName);
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(lpszPathName);
    }
    if (pFrame)
        pFrame->InitialUpdateFrame(pDoc, bCreated && bMakeVisible);
    return pDoc;
}

void CSingleDocTemplate::CloseDocument(CDocument* pDocument)
{
    if (pDocument != m_pOnlyDoc)
        return;
    m_pOnlyDoc = NULL;
    m_pFrame = NULL;
    delete pDocument;
}
