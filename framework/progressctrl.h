#ifndef FRAMEWORK_PROGRESSCTRL_H
#define FRAMEWORK_PROGRESSCTRL_H
// The system's progress-bar control, with the few operations its users need.
#include "framework/wnd.h"

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    void SetRange(short nLower, short nUpper);
    // The previous position.
    int SetPos(int nPos);
};

#endif
