#include "velora/dialogparts.h"

#include "framework/resources.h"
#include "util/paths.h"

const CButtonSkin kLoginButtonSkin = {"Skins/btn_normal.png", "Skins/btn_hover.png"};
const CButtonSkin kRegisterButtonSkin = {"Skins/btn_reg_normal.png", "Skins/btn_reg_hover.png"};

void CreateLabel(CStatic& label, CWnd* pParent, UINT nID, const RECT& rc, UINT nIDText)
{
    label.Create(AfxLoadString(nIDText), WS_CHILD | WS_VISIBLE, rc, pParent, nID);
}

// Long texts scroll inside the edit instead of stopping at its width.
void CreateEdit(CCustomEdit& edit, CWnd* pParent, UINT nID, const RECT& rc, bool bPassword)
{
    edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rc, pParent, nID);
    edit.ShowWindow(SW_SHOW);
    if (bPassword) {
        edit.SetPasswordChar('*');
        edit.ModifyStyle(0, ES_PASSWORD);
    }
}

void CreateSkinButton(CCustomButton& button, CWnd* pParent, UINT nID, const RECT& rc, UINT nIDText,
                      const CButtonSkin& skin, DWORD dwTabStop, const char* pszWindowText)
{
    button.SetImage(GetFullPath(skin.pszNormal), CCustomButton::kNormal);
    button.SetImage(GetFullPath(skin.pszHover), CCustomButton::kHover);
    button.SetImage(GetFullPath(skin.pszNormal), CCustomButton::kPressed);
    button.SetText(AfxLoadString(nIDText));
    button.Create("CUSTOM BTN", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | dwTabStop, rc, pParent, nID);
    button.ShowWindow(SW_SHOW);
    button.SetWindowText(pszWindowText);
}

void DrawDialogText(Gdiplus::Graphics& graphics, const CString& strText, int nPixels, INT nStyle,
                    const Gdiplus::Color& colour, int x, int y)
{
    std::wstring strWide = strText.Wide();
    Gdiplus::FontFamily family(L"宋体");
    Gdiplus::Font font(&family, static_cast<Gdiplus::REAL>(nPixels), nStyle, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush(colour);
    graphics.DrawString(strWide.c_str(), static_cast<INT>(strWide.size()), &font,
                        Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y)), &brush);
}

void CentreOnScreen(CWnd* pWnd, int cx, int cy)
{
    pWnd->MoveWindow((GetSystemMetrics(SM_CXSCREEN) - cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - cy) / 2, cx, cy, TRUE);
}
