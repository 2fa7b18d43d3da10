#ifndef FRAMEWORK_CMDTARGET_H
#define FRAMEWORK_CMDTARGET_H
// The base of everything that can handle a command (a menu or button id): windows,
// documents and the application. A frame offers a command to its document and to the
// application when it does not handle it itself.
#include "framework/dyncreate.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // TRUE when the command was handled; the base handles none.
    virtual BOOL OnCmdMsg(UINT nID);

protected:
    CCmdTarget() = default;
};

#endif
