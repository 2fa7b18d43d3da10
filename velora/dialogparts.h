#ifndef VELORA_DIALOGPARTS_H
#define VELORA_DIALOGPARTS_H

// The pieces the account dialogs build their client areas from: labels, skinned edits
// and buttons created at run time, and text drawn with GDI+.

#include "ctrl/custombutton.h"
#include "ctrl/customedit.h"
#include "framework/stdctrls.h"

#include <windows.h>
#include <gdiplus.h>
#include <functional>

// Skin images of a button: normal and hover; the pressed state shows the normal one.
struct CButtonSkin {
    const char* pszNormal;
    const char* pszHover;
};
extern const CButtonSkin kLoginButtonSkin;
extern const CButtonSkin kRegisterButtonSkin;

// A visible label with string nIDText.
void CreateLabel(CStatic& label, CWnd* pParent, UINT nID, const RECT& rc, UINT nIDText);
// A skinned edit, shown; a password edit masks its text with '*'.
void CreateEdit(CCustomEdit& edit, CWnd* pParent, UINT nID, const RECT& rc, bool bPassword);
// A skinned button labelled with string nIDText, shown, whose window text then becomes
// pszWindowText (never painted). dwTabStop: WS_TABSTOP or 0.
void CreateSkinButton(CCustomButton& button, CWnd* pParent, UINT nID, const RECT& rc, UINT nIDText,
                      const CButtonSkin& skin, DWORD dwTabStop, const char* pszWindowText);

// Paints the dialog's client area off screen: white, then what draw adds; one transfer.
void ComposeClientArea(CWnd* pDialog, HDC hDC, const std::function<void(Gdiplus::Graphics&)>& draw);

// Moves the window to cx x cy pixels in the middle of the primary screen.
void CentreOnScreen(CWnd* pWnd, int cx, int cy);

#endif
