#ifndef VELORA_VELORAVIEW_H
#define VELORA_VELORAVIEW_H

// The view class the document template names. The main frame puts a splitter in its
// place, so it is never shown; it must exist and be creatable for the template.

#include "framework/object.h"
#include "framework/view.h"

class CVeloraDoc;

class CVeloraView : public CView {
    DECLARE_DYNCREATE(CVeloraView)

public:
    CVeloraView();
    CVeloraDoc* GetDocument() const;
    // Print (57607), direct print (57608) and print preview (57609) go to the base
    // view's handlers.
    BOOL OnCmdMsg(UINT nID) override;

protected:
    void OnDraw(HDC hDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(HDC hDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(HDC hDC, CPrintInfo* pInfo) override;
};

#endif
