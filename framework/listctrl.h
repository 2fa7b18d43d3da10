#ifndef FRAMEWORK_LISTCTRL_H
#define FRAMEWORK_LISTCTRL_H
// The system's list-view control, with the few operations its users need.
#include "framework/wnd.h"

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    // The new column's index, -1 on failure. nFormat: LVCFMT_LEFT and the like.
    int InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat, int nWidth);
    // The new row's index, -1 on failure.
    int InsertItem(int nItem, const char* lpszItem);
};

#endif
