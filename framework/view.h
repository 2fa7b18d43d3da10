#ifndef FRAMEWORK_VIEW_H
#define FRAMEWORK_VIEW_H
// A child window that shows a document. Views are allocated by the framework from
// their run-time class and delete themselves when their window is gone.
#include "framework/wnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // After the document is loaded into a new frame; the base repaints.
    virtual void OnInitialUpdate();

protected:
    CView() = default;
    virtual void OnDraw(HDC hDC) = 0;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    // Paints through OnDraw.
    void OnPaint() override;
    void PostNcDestroy() override;

    CDocument* m_pDocument = NULL;
};

#endif
