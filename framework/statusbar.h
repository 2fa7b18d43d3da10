#ifndef FRAMEWORK_STATUSBAR_H
#define FRAMEWORK_STATUSBAR_H
// A status bar along the bottom of a frame (the system's status control). Its panes
// are given by indicator ids: 0 is a separator pane that takes the spare width and shows
// the idle prompt; any other id shows its string resource in a pane just wide enough.
#include "framework/afxres.h"
#include "framework/wnd.h"
#include <vector>

class CStatusBar : public CWnd {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar() = default;
    // The frame's alignment and border bits in dwStyle are the frame's business and are
    // not passed to the control.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return static_cast<int>(m_indicators.size()); }
    CString GetPaneText(int nIndex) const;
    // The height the frame gives the bar.
    int CalcHeight() const;

protected:
    void OnSize(UINT nType, int cx, int cy) override;

private:
    int TextWidth(const CString& strText) const;
    void UpdateParts();
    std::vector<UINT> m_indicators;
    std::vector<CString> m_texts;
};

#endif
