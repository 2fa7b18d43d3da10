#include "framework/printpreview.h"

#include "framework/afxres.h"
#include "framework/dc.h"
#include "framework/modalloop.h"

namespace {
const int kBarHeight = 40;
const int kButtonWidth = 80;
const int kButtonHeight = 26;
const int kMargin = 16;
} // namespace

CPrintPreviewWnd::CPrintPreviewWnd(HENHMETAFILE hPage, SIZE sizePage) : m_hPage(hPage), m_sizePage(sizePage)
{
}

INT_PTR CPrintPreviewWnd::DoModal(CWnd* pOwner)
{
    HWND hOwner = pOwner ? pOwner->m_hWnd : NULL;
    RECT rc = {0, 0, 800, 600};
    if (hOwner)
        ::GetWindowRect(hOwner, &rc);
    m_bEnd = FALSE;
    m_nResult = -1;
    if (!CreateEx(0, NULL, "打印预览", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, rc.left, rc.top,
                  rc.right - rc.left, rc.bottom - rc.top, hOwner, NULL))
        return -1;
    BOOL bDisabled = hOwner && ::IsWindowEnabled(hOwner);
    if (bDisabled)
        ::EnableWindow(hOwner, FALSE);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    AfxRunModalLoop(*this, m_bEnd);
    // The owner comes back before the window goes, so activation returns to it.
    if (bDisabled) {
        ::EnableWindow(hOwner, TRUE);
        if (m_hWnd && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(hOwner);
    }
    DestroyWindow();
    return m_nResult;
}

int CPrintPreviewWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    int nTop = (kBarHeight - kButtonHeight) / 2;
    RECT rcPrint = {kMargin / 2, nTop, kMargin / 2 + kButtonWidth, nTop + kButtonHeight};
    RECT rcClose = {rcPrint.right + kMargin / 2, nTop, rcPrint.right + kMargin / 2 + kButtonWidth, rcPrint.bottom};
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    if (!m_btnPrint.Create("打印", dwStyle, rcPrint, this, ID_FILE_PRINT) ||
        !m_btnClose.Create("关闭", dwStyle, rcClose, this, IDCANCEL))
        return -1;
    HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    m_btnPrint.SetFont(hFont);
    m_btnClose.SetFont(hFont);
    return 0;
}

BOOL CPrintPreviewWnd::OnCmdMsg(UINT nID)
{
    switch (nID) {
    case ID_FILE_PRINT:
    case IDCANCEL:
        End(nID);
        return TRUE;
    }
    return CWnd::OnCmdMsg(nID);
}

LRESULT CPrintPreviewWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        End(IDCANCEL);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CPrintPreviewWnd::End(INT_PTR nResult)
{
    m_nResult = nResult;
    m_bEnd = TRUE;
    // Wakes the modal loop if it is waiting.
    PostMessage(WM_NULL);
}

RECT CPrintPreviewWnd::PageRect() const
{
    RECT rcClient;
    GetClientRect(&rcClient);
    int cxRoom = rcClient.right - 2 * kMargin;
    int cyRoom = rcClient.bottom - kBarHeight - 2 * kMargin;
    if (cxRoom <= 0 || cyRoom <= 0 || m_sizePage.cx <= 0 || m_sizePage.cy <= 0)
        return RECT{0, 0, 0, 0};
    int cx = cxRoom;
    int cy = MulDiv(cx, m_sizePage.cy, m_sizePage.cx);
    if (cy > cyRoom) {
        cy = cyRoom;
        cx = MulDiv(cy, m_sizePage.cx, m_sizePage.cy);
    }
    int x = (rcClient.right - cx) / 2;
    int y = kBarHeight + kMargin + (cyRoom - cy) / 2;
    return RECT{x, y, x + cx, y + cy};
}

BOOL CPrintPreviewWnd::OnEraseBkgnd(HDC)
{
    return TRUE;
}

void CPrintPreviewWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    RECT rcClient;
    GetClientRect(&rcClient);
    COffscreenBuffer buffer(dc, rcClient.right, rcClient.bottom);
    if (!dc || !buffer.IsValid())
        return;
    RECT rcBar = {0, 0, rcClient.right, kBarHeight};
    FillRect(buffer, &rcBar, GetSysColorBrush(COLOR_BTNFACE));
    RECT rcDesk = {0, kBarHeight, rcClient.right, rcClient.bottom};
    FillRect(buffer, &rcDesk, GetSysColorBrush(COLOR_APPWORKSPACE));
    RECT rcPage = PageRect();
    if (!IsRectEmpty(&rcPage)) {
        RECT rcEdge = {rcPage.left - 1, rcPage.top - 1, rcPage.right + 1, rcPage.bottom + 1};
        FrameRect(buffer, &rcEdge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(buffer, &rcPage, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (m_hPage)
            PlayEnhMetaFile(buffer, m_hPage, &rcPage);
    }
    buffer.CopyTo(dc);
}
