#ifndef FRAMEWORK_DOCTEMPLATE_H
#define FRAMEWORK_DOCTEMPLATE_H
// Ties a document class to the frame and view classes that show it, and names them
// through one string resource of "\n"-separated fields.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };
    ~CDocTemplate() override = default;

    CString GetDocString(DocStringIndex nIndex) const;
    // NULL path: a new document. NULL result: it could not be made or opened.
    virtual CDocument* OpenDocumentFile(const char* lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The template's first document, or NULL.
    virtual CDocument* GetFirstDoc() const = 0;
    // The document's last frame is gone: the template forgets and deletes it.
    virtual void CloseDocument(CDocument* pDocument) = 0;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);
    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

#endif
