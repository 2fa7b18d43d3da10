#ifndef FRAMEWORK_CREATECONTEXT_H
#define FRAMEWORK_CREATECONTEXT_H
// What a document template hands to the frame it creates and the frame to its panes:
// the document they show and the view class to create. Passed as the window's creation
// parameter.
struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CFrameWnd;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

#endif
