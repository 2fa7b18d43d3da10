#ifndef FRAMEWORK_DOCUMENT_H
#define FRAMEWORK_DOCUMENT_H
// A document: data that its Serialize reads from and writes to one file.
//
// Opening a zero-byte file succeeds without reading anything. A file that cannot be
// read completely fails with the framework's message box; what was read before the
// failure stays. Saving writes a complete new file beside the target and then replaces
// the target with it, so a failure part way leaves the old file as it was.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"

class CDocTemplate;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    ~CDocument() override = default;

    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const char* lpszPathName);
    virtual BOOL OnSaveDocument(const char* lpszPathName);
    // Empties the document before new contents; the base keeps everything.
    virtual void DeleteContents();
    // Saves to lpszPathName (NULL: the document's own path); bReplace makes that path
    // the document's own, FALSE leaves the document's path as it was.
    BOOL DoSave(const char* lpszPathName, BOOL bReplace = TRUE);

    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const char* lpszPathName);
    const CString& GetTitle() const { return m_strTitle; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    CDocTemplate* m_pDocTemplate = NULL;

protected:
    CDocument() = default;

private:
    BOOL WriteTo(const CString& strPath);
    CString m_strPathName;
    CString m_strTitle;
};

#endif
