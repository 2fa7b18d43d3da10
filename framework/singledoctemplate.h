#ifndef FRAMEWORK_SINGLEDOCTEMPLATE_H
#define FRAMEWORK_SINGLEDOCTEMPLATE_H
// A template with at most one document and one frame: opening another file reloads the
// same document in the same frame.
#include "framework/doctemplate.h"

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) override;
    CDocument* GetFirstDoc() const override { return m_pOnlyDoc; }
    void CloseDocument(CDocument* pDocument) override;

private:
    CDocument* CreateDocumentAndFrame(BOOL& bCreated, CFrameWnd*& pFrame);
    CDocument* m_pOnlyDoc = NULL;
    CFrameWnd* m_pFrame = NULL;
};

#endif
