// The caption band is composed off screen from the skin images, loaded anew on every
// paint, and copied to the window in one transfer as high as its background image,
// which reaches below the non-client band: the entries, their labels and the logo go
// down to y = 85. Without the background nothing of the band reaches the window.

#include "velora/caption.h"

#include "ctrl/skinimage.h"
#include "framework/dc.h"
#include "framework/resources.h"
#include "util/imagedecode.h"
#include "velora/mainframe.h"
#include "velora/resource.h"
#include "velora/veloraapp.h"

#include <memory>

namespace {

struct CBookMenuEntry {
    RECT CMainFrame::*pRect;
    int nHover;
    int nSelection;
    const char* pszIcon;
    UINT nLabel;
    int nLabelLeft;
};

const CBookMenuEntry kEntries[] = {
    {&CMainFrame::m_rcBookPlaza, hoverBookPlaza, selectBookPlaza, "Skins/icon_book_plaza.png", IDS_BOOK_PLAZA, 15},
    {&CMainFrame::m_rcJourneyCapture, hoverJourneyCapture, selectJourneyCapture, "Skins/icon_journey_capture.png",
     IDS_JOURNEY_CAPTURE, 15},
    {&CMainFrame::m_rcMid, hoverMid, selectMid, "Skins/icon_mid.png", IDS_MID, 15},
    {&CMainFrame::m_rcSetting, hoverSetting, selectSetting, "Skins/icon_setting.png", IDS_SETTING, 25},
};

struct CWindowButton {
    RECT CMainFrame::*pRect;
    int nHover;
    UINT nHitTest;
    const char* pszHoverBackground;
    const char* pszIcon;
};

const CWindowButton kButtons[] = {
    {&CMainFrame::m_rcClose, hoverClose, HTCLOSE, "Skins/bg_close.png", "Skins/icon_close.png"},
    {&CMainFrame::m_rcMax, hoverMaximize, HTMAXBUTTON, "Skins/bg_op_window.png", "Skins/icon_maximize.png"},
    {&CMainFrame::m_rcMin, hoverMinimize, HTMINBUTTON, "Skins/bg_op_window.png", "Skins/icon_minimize.png"},
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
void DrawUserHeader(Gdiplus::Graphics& graphics, HDC hDC, const CMainFrame& frame)
{
    const RECT& rc = frame.m_rcUserHead;
    CSkinImage header("Skins/user_header.png");
    header.Draw(graphics, rc.left, rc.top, kAvatarSize, kAvatarSize);
    if (!frame.m_strHeadImage.empty()) {
        CSkinImage fallback("Skins/icons_jiong.png");
        fallback.Draw(graphics, rc.left, rc.top, kAvatarSize, kAvatarSize);
        DrawOutlinedText(graphics, hDC, "头像加载失败", 10, rc, 4, 68);
        std::unique_ptr<Gdiplus::Image> avatar(DecodedImageFromBase64(frame.m_strHeadImage));
        if (avatar)
            graphics.DrawImage(avatar.get(), static_cast<INT>(rc.left), static_cast<INT>(rc.top), kAvatarSize,
                               kAvatarSize);
        Gdiplus::Pen pen(kAvatarFrame, 1);
        graphics.DrawRectangle(&pen, static_cast<INT>(rc.left), static_cast<INT>(rc.top), kAvatarSize, kAvatarSize);
    }
    if (!IsLoggedIn())
        DrawOutlinedText(graphics, hDC, AfxLoadString(IDS_PLEASE_LOGIN), 13, rc, -7, kLabelTop);
}

void DrawBookMenuButton(Gdiplus::Graphics& graphics, const CMainFrame& frame, const CBookMenuEntry& entry, int nHover,
                        const Gdiplus::Font& font)
{
    const RECT& rc = frame.*entry.pRect;
    bool bSelected = frame.m_nSelectedMenu == entry.nSelection;
    if (nHover == entry.nHover && !bSelected)
        DrawStretched(graphics, "Skins/book_menu_hover.png", rc);
    if (bSelected)
        DrawStretched(graphics, "Skins/book_menu_focus.png", rc);
    DrawStretched(graphics, entry.pszIcon, rc);
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
    Gdiplus::PointF origin(static_cast<Gdiplus::REAL>(rc.left + entry.nLabelLeft), kLabelTop);
    graphics.DrawString(AfxLoadString(entry.nLabel).Wide().c_str(), -1, &font, origin, &white);
}

void DrawWindowButton(Gdiplus::Graphics& graphics, const CMainFrame& frame, const CWindowButton& button, int nHover)
{
    const RECT& rc = frame.*button.pRect;
    if (nHover == button.nHover)
        DrawStretched(graphics, button.pszHoverBackground, rc);
    DrawStretched(graphics, button.pszIcon, rc);
}

} // namespace

void DrawCaption(CMainFrame* pFrame, HDC hDC, int nHover)
{
    RECT rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    CSkinImage background("Skins\\bg_title_bar.png");
    COffscreenBuffer buffer(hDC, rcWindow.right - rcWindow.left, background.Height());
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        background.Draw(graphics, 0, 0);
        background.Draw(graphics, background.Width(), 0);
        DrawUserHeader(graphics, hDC, *pFrame);
        Gdiplus::FontFamily family(L"宋体");
        Gdiplus::Font labelFont(&family, 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        for (const CBookMenuEntry& entry : kEntries)
            DrawBookMenuButton(graphics, *pFrame, entry, nHover, labelFont);
        for (const CWindowButton& button : kButtons)
            DrawWindowButton(graphics, *pFrame, button, nHover);
        const RECT& rcLogo = pFrame->m_rcLogo;
        DrawStretched(graphics, "Skins/logo.png", rcLogo);
        CSkinImage title("Skins/text_velora.png");
        title.Draw(graphics, rcLogo.left - 40, rcLogo.top + 3);
    }
    buffer.CopyTo(hDC);
}

int CaptionHoverAt(const CMainFrame& frame, UINT nHitTest, POINT ptWindow)
{
    for (const CWindowButton& button : kButtons) {
        if (nHitTest == button.nHitTest)
            return button.nHover;
    }
    for (const CBookMenuEntry& entry : kEntries) {
        if (PtInRect(&(frame.*entry.pRect), ptWindow))
            return entry.nHover;
    }
    return hoverNone;
}
