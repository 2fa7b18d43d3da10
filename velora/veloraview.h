#ifndef VELORA_VELORAVIEW_H
#define VELORA_VELORAVIEW_H

// The view class the document template names. The main frame puts a splitter in its
// place, so it is never shown; it must exist and be creatable for the template.

#include "framework/dyncreate.h"
#include "framework/view.h"

class CVeloraDoc;

class CVeloraView : public CView {
    DECLARE_DYNCREATE(CVeloraView)

public:
    CVeloraView();
    CVeloraDoc* GetDocument() const;

protected:
    void OnDraw(HDC hDC) override;
};

#endif
