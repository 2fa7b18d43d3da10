#include "framework/statusbar.h"

#include "framework/dc.h"
#include "framework/resources.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

namespace {

// Room for the pane's edges around its text.
const int kPanePadding = 12;

} // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    DWORD dwControlStyle = (dwStyle & (WS_CHILD | WS_VISIBLE)) | WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN;
    return CreateEx(0, STATUSCLASSNAMEA, NULL, dwControlStyle, 0, 0, 0, 0, pParentWnd ? pParentWnd->m_hWnd : NULL,
                    reinterpret_cast<HMENU>(UINT_PTR(nID)));
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (!m_hWnd || nIDCount < 1 || nIDCount > 255)
        return FALSE;
    m_indicators.assign(lpIDArray, lpIDArray + nIDCount);
    m_texts.clear();
    for (UINT nID : m_indicators)
        m_texts.push_back(AfxLoadString(nID == 0 ? AFX_IDS_IDLEMESSAGE : nID));
    UpdateParts();
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_texts[static_cast<size_t>(nIndex)] : CString();
}

int CStatusBar::TextWidth(const CString& strText) const
{
    CClientDC dc(m_hWnd);
    if (!dc)
        return 0;
    CSelectGuard font(dc, GetFont());
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, strText, strText.GetLength(), &size);
    return size.cx;
}

int CStatusBar::CalcHeight() const
{
    CClientDC dc(m_hWnd);
    if (!dc)
        return 0;
    CSelectGuard font(dc, GetFont());
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight + 8;
}

void CStatusBar::UpdateParts()
{
    if (m_indicators.empty())
        return;
    RECT rcClient;
    GetClientRect(&rcClient);
    // Fixed panes keep their width from the right edge; separators share the rest.
    std::vector<int> widths;
    int nFixed = 0, nSeparators = 0;
    for (size_t i = 0; i < m_indicators.size(); ++i) {
        int nWidth = m_indicators[i] == 0 ? 0 : TextWidth(m_texts[i]) + kPanePadding;
        widths.push_back(nWidth);
        nFixed += nWidth;
        nSeparators += m_indicators[i] == 0;
    }
    int nSpare = rcClient.right - nFixed;
    std::vector<int> rights;
    int nRight = 0;
    for (size_t i = 0; i < m_indicators.size(); ++i) {
        nRight += m_indicators[i] == 0 ? (nSpare > 0 ? nSpare / nSeparators : 0) : widths[i];
        rights.push_back(nRight);
    }
    rights.back() = -1; // the last pane reaches the right edge
    ::SendMessageA(m_hWnd, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    for (size_t i = 0; i < m_texts.size(); ++i)
        ::SendMessageA(m_hWnd, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(m_texts[i].GetString()));
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    UpdateParts();
}
