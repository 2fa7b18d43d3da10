// The caption band is composed off screen from the skin images, loaded anew on every
// paint, and copied to the window in one transfer as high as its background image,
// which reaches below the non-client band: the entries, their labels and the logo go
// down to y = 85. Without the background nothing of the band reaches the window.
//
// Every repaint other than the one for a mouse move shows no hover mark; the window
// buttons' and logo's rectangles are set on each size calculation.

#include "velora/caption.h"

#include "ctrl/skinimage.h"
#include "framework/dc.h"
#include "framework/resources.h"
#include "util/imagedecode.h"
#include "velora/dialoglogin.h"
#include "velora/dialogset.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <commctrl.h>
#include <memory>
#include <string>

namespace {

struct CBookMenuEntry {
    ECaptionPart ePart;
    int nHover;
    int nSelection;
    const char* pszIcon;
    UINT nLabel;
    int nLabelLeft;
};

const CBookMenuEntry kEntries[] = {
    {partBookPlaza, hoverBookPlaza, selectBookPlaza, "Skins/icon_book_plaza.png", IDS_BOOK_PLAZA, 15},
    {partJourneyCapture, hoverJourneyCapture, selectJourneyCapture, "Skins/icon_journey_capture.png",
     IDS_JOURNEY_CAPTURE, 15},
    {partMid, hoverMid, selectMid, "Skins/icon_mid.png", IDS_MID, 15},
    {partSetting, hoverSetting, selectSetting, "Skins/icon_setting.png", IDS_SETTING, 25},
};

struct CWindowButton {
    ECaptionPart ePart;
    int nHover;
    UINT nHitTest;
    const char* pszHoverBackground;
    const char* pszIcon;
};

const CWindowButton kButtons[] = {
    {partClose, hoverClose, HTCLOSE, "Skins/bg_close.png", "Skins/icon_close.png"},
    {partMaximize, hoverMaximize, HTMAXBUTTON, "Skins/bg_op_window.png", "Skins/icon_maximize.png"},
    {partMinimize, hoverMinimize, HTMINBUTTON, "Skins/bg_op_window.png", "Skins/icon_minimize.png"},
};

const int kLabelTop = 63;
const int kAvatarSize = 70;
const Gdiplus::Color kAvatarFrame(123, 209, 239);

void DrawStretched(Gdiplus::Graphics& graphics, const char* pszSkin, const RECT& rc)
{
    CSkinImage image(pszSkin);
    image.Draw(graphics, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

// White outline, black fill, centred over the user area by the width the window's
// device-context font gives the text, then moved by nShift.
void DrawOutlinedText(Gdiplus::Graphics& graphics, HDC hDC, const CString& strText, Gdiplus::REAL emSize,
                      const RECT& rcArea, int nShift, int y)
{
    SIZE size = {};
    GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
    int x = rcArea.left + (rcArea.right - rcArea.left - size.cx) / 2 + nShift;
    Gdiplus::FontFamily family(L"Arial");
    Gdiplus::GraphicsPath path;
    // A default format lays the text out as none would; some GDI+ versions refuse none.
    Gdiplus::StringFormat format;
    path.AddString(strText.Wide().c_str(), -1, &family, Gdiplus::FontStyleBold, emSize,
                   Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y)), &format);
    Gdiplus::Pen outline(Gdiplus::Color(255, 255, 255), 1);
    graphics.DrawPath(&outline, &path);
    Gdiplus::SolidBrush fill(Gdiplus::Color(0, 0, 0));
    graphics.FillPath(&fill, &path);
}

bool IsLoggedIn()
{
    CVeloraApp* pApp = GetVeloraApp();
    return pApp && !pApp->m_strSessionCode.IsEmpty();
}

// The avatar over its fallback picture, or the login prompt.
void DrawUserHeader(Gdiplus::Graphics& graphics, HDC hDC, const RECT& rc, const std::string& strHeadImage)
{
    CSkinImage header("Skins/user_header.png");
    header.Draw(graphics, rc.left, rc.top, kAvatarSize, kAvatarSize);
    if (!strHeadImage.empty()) {
        CSkinImage fallback("Skins/icons_jiong.png");
        fallback.Draw(graphics, rc.left, rc.top, kAvatarSize, kAvatarSize);
        DrawOutlinedText(graphics, hDC, "头像加载失败", 10, rc, 4, 68);
        std::unique_ptr<Gdiplus::Image> avatar(DecodedImageFromBase64(strHeadImage));
        if (avatar)
            graphics.DrawImage(avatar.get(), static_cast<INT>(rc.left), static_cast<INT>(rc.top), kAvatarSize,
                               kAvatarSize);
        Gdiplus::Pen pen(kAvatarFrame, 1);
        graphics.DrawRectangle(&pen, static_cast<INT>(rc.left), static_cast<INT>(rc.top), kAvatarSize, kAvatarSize);
    }
    if (!IsLoggedIn())
        DrawOutlinedText(graphics, hDC, AfxLoadString(IDS_PLEASE_LOGIN), 13, rc, -7, kLabelTop);
}

void DrawBookMenuButton(Gdiplus::Graphics& graphics, const RECT& rc, bool bSelected, const CBookMenuEntry& entry,
                        int nHover, const Gdiplus::Font& font)
{
    if (nHover == entry.nHover && !bSelected)
        DrawStretched(graphics, "Skins/book_menu_hover.png", rc);
    if (bSelected)
        DrawStretched(graphics, "Skins/book_menu_focus.png", rc);
    DrawStretched(graphics, entry.pszIcon, rc);
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
    Gdiplus::PointF origin(static_cast<Gdiplus::REAL>(rc.left + entry.nLabelLeft), kLabelTop);
    graphics.DrawString(AfxLoadString(entry.nLabel).Wide().c_str(), -1, &font, origin, &white);
}

void DrawWindowButton(Gdiplus::Graphics& graphics, const RECT& rc, const CWindowButton& button, int nHover)
{
    if (nHover == button.nHover)
        DrawStretched(graphics, button.pszHoverBackground, rc);
    DrawStretched(graphics, button.pszIcon, rc);
}

const int kCaptionHeight = 57;
// Client area edges reach this far past the frame's own border.
const int kEdgeWidth = 4;

// Runs an account dialog modally without a parent. The click that opened it is not
// passed on: the system would take it for the start of a drag once the dialog is gone.
template <class TDialog> void RunAccountDialog()
{
    TDialog dlg(NULL);
    dlg.DoModal();
}

} // namespace

CCaption::CCaption(CMainFrame& frame) : m_frame(frame)
{
}

const RECT& CCaption::PartRect(ECaptionPart ePart) const
{
    switch (ePart) {
    case partUserHead:
        return m_rcUserHead;
    case partBookPlaza:
        return m_rcBookPlaza;
    case partJourneyCapture:
        return m_rcJourneyCapture;
    case partMid:
        return m_rcMid;
    case partSetting:
        return m_rcSetting;
    case partMinimize:
        return m_rcMin;
    case partMaximize:
        return m_rcMax;
    case partClose:
        return m_rcClose;
    case partLogo:
        break;
    }
    return m_rcLogo;
}

BOOL CCaption::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    UINT nHitTest = static_cast<UINT>(wParam);
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    lResult = 0;
    switch (message) {
    case WM_NCCALCSIZE:
        OnNcCalcSize(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        return TRUE;
    case WM_NCHITTEST:
        lResult = OnNcHitTest(point);
        return TRUE;
    case WM_NCLBUTTONDOWN:
        OnNcLButtonDown(nHitTest, point);
        return TRUE;
    case WM_NCMOUSEMOVE:
        OnNcMouseMove(nHitTest, point);
        return TRUE;
    case WM_NCMOUSELEAVE:
        OnNcMouseLeave();
        return TRUE;
    case WM_TIMER:
        if (wParam != kHoverRepaintTimer)
            break;
        OnHoverRepaintDue();
        return TRUE;
    }
    return FALSE;
}

void CCaption::DrawCaption(HDC hDC, int nHover) const
{
    RECT rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    CSkinImage background("Skins\\bg_title_bar.png");
    COffscreenBuffer buffer(hDC, rcWindow.right - rcWindow.left, background.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        background.Draw(graphics, 0, 0);
        background.Draw(graphics, background.Width(), 0);
        DrawUserHeader(graphics, hDC, m_rcUserHead, m_frame.m_strHeadImage);
        Gdiplus::FontFamily family(L"宋体");
        Gdiplus::Font labelFont(&family, 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        for (const CBookMenuEntry& entry : kEntries)
            DrawBookMenuButton(graphics, PartRect(entry.ePart), m_nSelectedMenu == entry.nSelection, entry, nHover,
                               labelFont);
        for (const CWindowButton& button : kButtons)
            DrawWindowButton(graphics, PartRect(button.ePart), button, nHover);
        DrawStretched(graphics, "Skins/logo.png", m_rcLogo);
        CSkinImage title("Skins/text_velora.png");
        title.Draw(graphics, m_rcLogo.left - 40, m_rcLogo.top + 3);
    }
    buffer.CopyTo(hDC);
}

void CCaption::Repaint(int nHover) const
{
    CWindowDC dc(m_frame.m_hWnd);
    if (dc)
        DrawCaption(dc, nHover);
}

// The band is non-client area: the client starts below it and reaches past the frame's
// border at the sides and bottom. The window buttons keep to the right edge.
void CCaption::OnNcCalcSize(NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rc = lpncsp->rgrc[0];
    rc.top += kCaptionHeight;
    int nWidth = rc.right - rc.left;
    m_rcClose = {nWidth - 40, 4, nWidth - 4, 24};
    m_rcMax = {m_rcClose.left - 36, m_rcClose.top, m_rcClose.left, m_rcClose.bottom};
    m_rcMin = {m_rcMax.left - 36, m_rcMax.top, m_rcMax.left, m_rcMax.bottom};
    m_rcLogo = {m_rcClose.left - 36, m_rcClose.bottom + 10, m_rcClose.left + 39, m_rcClose.bottom + 58};
    rc.bottom += kEdgeWidth;
    rc.left -= kEdgeWidth;
    rc.right += kEdgeWidth;
    m_frame.Default();
}

// The window buttons are the caption's own; the system's idea of them counts as caption.
// Below the system's own caption strip the band is non-client area the system knows
// nothing of: it answers HTNOWHERE there, and the pointer's moves and presses at
// HTNOWHERE are dropped, so the book menu would never see them. The band is caption.
LRESULT CCaption::OnNcHitTest(POINT point)
{
    LRESULT nBase = m_frame.Default();
    POINT pt = ToWindow(point);
    for (const CWindowButton& button : kButtons) {
        if (IsIn(button.ePart, pt))
            return button.nHitTest;
    }
    if (nBase == HTCLOSE || nBase == HTMAXBUTTON || nBase == HTMINBUTTON || nBase == HTNOWHERE)
        return HTCAPTION;
    return nBase;
}

void CCaption::OnNcLButtonDown(UINT nHitTest, POINT point)
{
    LPARAM lPoint = MAKELPARAM(point.x, point.y);
    switch (nHitTest) {
    case HTCLOSE:
        m_frame.SendMessage(WM_CLOSE);
        return;
    case HTMAXBUTTON:
        m_frame.SendMessage(WM_SYSCOMMAND, m_frame.IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, lPoint);
        return;
    case HTMINBUTTON:
        m_frame.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, lPoint);
        return;
    }
    POINT pt = ToWindow(point);
    if (IsIn(partUserHead, pt) && !IsLoggedIn()) {
        RunAccountDialog<CDialogLogin>();
        Repaint();
        return;
    }
    if (IsIn(partSetting, pt) && m_nSelectedMenu != selectSetting) {
        // The settings entry is marked only while its dialog is open; afterwards no
        // entry is, so that any book-menu entry can be chosen again.
        m_nSelectedMenu = selectSetting;
        Repaint();
        RunAccountDialog<CDialogSet>();
        m_nSelectedMenu = selectNone;
        Repaint();
        return;
    }
    int nChosen = SelectionAt(pt);
    if (nChosen != -1 && m_nSelectedMenu != nChosen) {
        m_nSelectedMenu = nChosen;
        m_frame.SelectBookMenu(nChosen);
    }
    Repaint();
    m_frame.Default();
}

// Leave notices are asked for the non-client area: without that the system would send
// a client-area leave at once and never the non-client one, and the hover mark would stay.
// Hover is asked too, with a hover time of 1 ms, which nothing here answers: some systems
// (Wine) look for the pointer's leaving only on a timer as long as the hover time, since
// once the pointer is over a child window or outside, the frame sees no more moves. With
// the default hover time (a user's setting) the box and the hover mark stayed that long.
void CCaption::OnNcMouseMove(UINT nHitTest, POINT point)
{
    POINT pt = ToWindow(point);
    if (IsIn(partUserHead, pt)) {
        if (IsLoggedIn())
            m_frame.ShowFloatBox();
        RepaintForHover(HoverAt(nHitTest, pt), FALSE);
    } else {
        RepaintForHover(HoverAt(nHitTest, pt), m_frame.HideFloatBox());
    }
    if (!m_bMouseTracking) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE | TME_NONCLIENT, m_frame.m_hWnd, 1};
        m_bMouseTracking = _TrackMouseEvent(&tme);
    }
    m_frame.Default();
}

void CCaption::OnNcMouseLeave()
{
    m_bMouseTracking = FALSE;
    RepaintForHover(hoverNothing, m_frame.HideFloatBox());
    m_frame.Default();
}

// Right after the box was hidden the band's paint waits a moment, once this thread is
// idle: the paint takes long, and some systems (Wine on X) restore the screen under the
// box only when the thread that owns the windows there is idle.
void CCaption::RepaintForHover(int nHover, BOOL bBoxHidden)
{
    if (bBoxHidden || m_bHoverRepaintDue) {
        m_nHoverDue = nHover;
        if (!m_bHoverRepaintDue)
            m_bHoverRepaintDue = SetTimer(m_frame.m_hWnd, kHoverRepaintTimer, USER_TIMER_MINIMUM, NULL) != 0;
        if (m_bHoverRepaintDue)
            return;
    }
    Repaint(nHover);
}

void CCaption::OnHoverRepaintDue()
{
    KillTimer(m_frame.m_hWnd, kHoverRepaintTimer);
    m_bHoverRepaintDue = FALSE;
    Repaint(m_nHoverDue);
}

int CCaption::HoverAt(UINT nHitTest, POINT ptWindow) const
{
    for (const CWindowButton& button : kButtons) {
        if (nHitTest == button.nHitTest)
            return button.nHover;
    }
    for (const CBookMenuEntry& entry : kEntries) {
        if (IsIn(entry.ePart, ptWindow))
            return entry.nHover;
    }
    return hoverNone;
}

// The settings entry is not among them: its click opens a dialog instead.
int CCaption::SelectionAt(POINT ptWindow) const
{
    if (IsIn(partUserHead, ptWindow))
        return selectUser;
    for (const CBookMenuEntry& entry : kEntries) {
        if (entry.nSelection != selectSetting && IsIn(entry.ePart, ptWindow))
            return entry.nSelection;
    }
    return -1;
}

BOOL CCaption::IsIn(ECaptionPart ePart, POINT ptWindow) const
{
    return PtInRect(&PartRect(ePart), ptWindow);
}

POINT CCaption::ToWindow(POINT ptScreen) const
{
    RECT rcWindow;
    m_frame.GetWindowRect(&rcWindow);
    POINT pt = {ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top};
    return pt;
}
