#include "velora/userinfodialog.h"

#include "ctrl/skinimage.h"
#include "framework/dc.h"
#include "velora/layeredapi.h"
#include "velora/resource.h"
#include "velora/uinfopaneldialog.h"

#include <gdiplus.h>

namespace {

// The memory bitmap is a fixed 500 x 500 square, larger than any box picture.
const int kBitmapSide = 500;

// A top-down 32-bit DIB: GDI+ writes premultiplied ARGB straight into its bits, which
// is what UpdateLayeredWindow with ULW_ALPHA reads.
HBITMAP CreatePremultipliedDib(HDC hDC, void** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = kBitmapSide;
    bmi.bmiHeader.biHeight = -kBitmapSide;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, ppBits, NULL, 0);
}

} // namespace

CUserInfoDialog::CUserInfoDialog(CWnd* pParentWnd) : CDialog(IDD_USERINFO, pParentWnd)
{
}

CUserInfoDialog::~CUserInfoDialog()
{
    delete m_pPanel;
    m_pPanel = NULL;
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    if (m_hMemDC) {
        SelectObject(m_hMemDC, m_hOldBitmap);
        DeleteDC(m_hMemDC);
    }
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
}

LRESULT CUserInfoDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CDialog::WindowProc(message, wParam, lParam);
    if (message == WM_WINDOWPOSCHANGED)
        KeepPanelAbove();
    return lResult;
}

// The panel is owned by the box, yet placing the box in the z-order (the frame puts it
// just after itself) leaves the panel where it was: below the box, whose picture then
// covers every label. So each placing of the box puts the panel directly above it.
void CUserInfoDialog::KeepPanelAbove()
{
    if (!m_pPanel || !m_pPanel->m_hWnd)
        return;
    HWND hAbove = ::GetWindow(m_hWnd, GW_HWNDPREV);
    if (hAbove == m_pPanel->m_hWnd)
        return;
    m_pPanel->SetWindowPos(hAbove ? hAbove : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int CUserInfoDialog::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pPanel = new CUInfoPanelDialog;
    m_pPanel->Create(IDD_UINFO_PANEL, this);
    m_pPanel->ShowWindow(SW_SHOWNOACTIVATE);
    return 0;
}

void CUserInfoDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void CUserInfoDialog::PreInitDialog()
{
    CDialog::PreInitDialog();
    m_blend.BlendOp = AC_SRC_OVER;
    m_blend.BlendFlags = 0;
    m_blend.SourceConstantAlpha = 255;
    m_blend.AlphaFormat = AC_SRC_ALPHA;
    DrawSkin();
    // Layered only when the picture can be handed over: a layered window that never
    // received one would not appear at all.
    PFN_UPDATELAYEREDWINDOW pfnUpdate = LookUpUpdateLayeredWindow();
    if (!pfnUpdate || !m_hMemDC)
        return;
    ModifyStyleEx(0, WS_EX_LAYERED);
    CClientDC dc(m_hWnd);
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    POINT ptWindow = {rcWindow.left, rcWindow.top};
    SIZE size = {kWidth, kHeight};
    POINT ptSource = {0, 0};
    m_bAlphaComposed = pfnUpdate(m_hWnd, dc, &ptWindow, &size, m_hMemDC, &ptSource, 0, &m_blend, ULW_ALPHA);
    if (!m_bAlphaComposed)
        ModifyStyleEx(WS_EX_LAYERED, 0);
}

void CUserInfoDialog::DrawSkin()
{
    CClientDC dc(m_hWnd);
    void* pBits = NULL;
    m_hBitmap = CreatePremultipliedDib(dc, &pBits);
    if (!m_hBitmap || !pBits)
        return;
    m_hMemDC = CreateCompatibleDC(dc);
    if (!m_hMemDC)
        return;
    m_hOldBitmap = SelectObject(m_hMemDC, m_hBitmap);
    Gdiplus::Bitmap canvas(kBitmapSide, kBitmapSide, kBitmapSide * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(pBits));
    Gdiplus::Graphics graphics(&canvas);
    graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
    CSkinImage("Skins/float_box.png").Draw(graphics, 0, 0, kWidth, kHeight);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    GdiFlush();
}

void CUserInfoDialog::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (!m_pPanel || !m_pPanel->m_hWnd)
        return;
    RECT rc;
    GetWindowRect(&rc);
    rc.left += 10;
    rc.top += 20;
    rc.right -= 10;
    rc.bottom -= 10;
    m_pPanel->MoveWindow(rc, TRUE);
}

void CUserInfoDialog::OnPaint()
{
    if (m_bAlphaComposed || !m_hMemDC) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(m_hWnd);
    BitBlt(dc, 0, 0, kWidth, kHeight, m_hMemDC, 0, 0, SRCCOPY);
}
