#ifndef FRAMEWORK_CMDTARGET_H
#define FRAMEWORK_CMDTARGET_H
// The base of everything that can handle a command (a menu or button id): windows,
// documents and the application. A frame offers a command to its document and to the
// application when it does not handle it itself. A command target may also offer the
// methods of its dispatch map to COM clients (automation).
#include "framework/object.h"

#include <ole2.h>

class CAutoObject;
struct CDispatchMap;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    ~CCmdTarget() override;
    // TRUE when the command was handled; the base handles none.
    virtual BOOL OnCmdMsg(UINT nID);

    // Makes the target's IDispatch, which calls the methods of GetDispatchMap().
    void EnableAutomation();
    // That IDispatch, with a reference added when bAddRef; NULL unless enabled.
    IDispatch* GetIDispatch(BOOL bAddRef);
    // The methods automation clients may call; the base offers none.
    virtual const CDispatchMap* GetDispatchMap() const;

protected:
    CCmdTarget() = default;

private:
    CAutoObject* m_pAutoObject = NULL;
};

#endif
