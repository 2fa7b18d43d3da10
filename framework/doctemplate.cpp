#include "framework/doctemplate.h"

#include "framework/createcontext.h"
#include "framework/document.h"
#include "framework/framewnd.h"
#include "framework/resources.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass),
      m_strDocStrings(AfxLoadString(nIDResource))
{
}

CString CDocTemplate::GetDocString(DocStringIndex nIndex) const
{
    return AfxExtractSubString(m_strDocStrings, nIndex);
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : NULL;
    CDocument* pDoc = dynamic_cast<CDocument*>(pObject);
    if (!pDoc) {
        delete pObject;
        return NULL;
    }
    pDoc->m_pDocTemplate = this;
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : NULL;
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (!pFrame) {
        delete pObject;
        return NULL;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = pFrame;
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, &context)) {
        // A frame whose window was made and destroyed again has deleted itself.
        if (!CWnd::LastCreateAttached())
            delete pFrame;
        return NULL;
    }
    return pFrame;
}
