#ifndef VELORA_VELORABROWSER_H
#define VELORA_VELORABROWSER_H

#include "framework/dyncreate.h"
#include "framework/view.h"

// The right pane of the main frame's splitter, which shows the service's pages.
class CVeloraBrowser : public CView {
    DECLARE_DYNCREATE(CVeloraBrowser)

protected:
    void OnDraw(HDC hDC) override;
};

#endif
