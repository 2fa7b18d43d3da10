#ifndef CTRL_IURLSWITCHER_H
#define CTRL_IURLSWITCHER_H
// What a control that lists pages asks of the window it sits in: show a page. The
// node tree calls it on its parent when a leaf is clicked.
#include "framework/cstring.h"

class IUrlSwitcher {
public:
    virtual ~IUrlSwitcher() = default;
    virtual void SwitchUrl(CString& strUrl) = 0;
};

#endif
