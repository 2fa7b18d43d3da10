#ifndef FRAMEWORK_VIEW_H
#define FRAMEWORK_VIEW_H
// A child window that shows a document. Views are allocated by the framework from
// their run-time class and delete themselves when their window is gone.
//
// A view prints what OnDraw draws, one call per page, in three steps around the pages:
// OnPreparePrinting gets the printer (the print dialog, or the chosen or default printer
// when direct or in preview) and may refuse, OnBeginPrinting and OnEndPrinting frame the
// job. A preview shows the current page on the screen instead of printing it.
#include "framework/printinfo.h"
#include "framework/wnd.h"

class CDocument;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }
    // After the document is loaded into a new frame; the base repaints.
    virtual void OnInitialUpdate();
    // The frame whose active view this is goes active or inactive (WM_ACTIVATE's
    // state); the focus has not moved yet. The base does nothing.
    virtual void OnActivateFrame(UINT nState);

    // The framework's print commands; a view routes those it offers to them.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

protected:
    CView() = default;
    virtual void OnDraw(HDC hDC) = 0;

    // FALSE ends the job before it starts (no printer, or the dialog was cancelled).
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(HDC hDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(HDC hDC, CPrintInfo* pInfo);
    // One page: the base draws the view.
    virtual void OnPrint(HDC hDC, CPrintInfo* pInfo);
    // The standard preparation: puts the printer's device context into pInfo.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    // Paints through OnDraw.
    void OnPaint() override;
    void PostNcDestroy() override;

    CDocument* m_pDocument = NULL;

private:
    void Print(BOOL bDirect);
    // TRUE when the user asked for the page shown to be printed.
    BOOL Preview();
};

#endif
