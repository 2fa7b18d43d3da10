#include "velora/dialogparts.h"

#include "framework/dc.h"
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

void ComposeClientArea(CWnd* pDialog, HDC hDC, const std::function<void(Gdiplus::Graphics&)>& draw)
{
    RECT rc;
    pDialog->GetClientRect(&rc);
    COffscreenBuffer buffer(hDC, rc.right, rc.bottom);
    if (!buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
        graphics.FillRectangle(&white, 0, 0, rc.right, rc.bottom);
        draw(graphics);
    }
    buffer.CopyTo(hDC);
}

void CentreOnScreen(CWnd* pWnd, int cx, int cy)
{
    pWnd->MoveWindow((GetSystemMetrics(SM_CXSCREEN) - cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - cy) / 2, cx, cy, TRUE);
}
