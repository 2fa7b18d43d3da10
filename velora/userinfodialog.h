#ifndef VELORA_USERINFODIALOG_H
#define VELORA_USERINFODIALOG_H

// The floating user-info box shown below the caption's user area: a layered popup
// whose whole picture is "Skins/float_box.png" with its alpha channel, carrying the
// panel (CUInfoPanelDialog) with the profile's labels 10 pixels in from its left and
// right, 20 from its top and 10 from its bottom. The main frame creates, moves, shows
// and hides it, and deletes it.
//
// Without UpdateLayeredWindow (looked up at run time) the box is an ordinary popup that
// paints the same picture itself, its transparent parts black.

#include "framework/dialog.h"

#include <windows.h>

class CUInfoPanelDialog;

class CUserInfoDialog : public CDialog {
public:
    static const int kWidth = 289;
    static const int kHeight = 160;

    explicit CUserInfoDialog(CWnd* pParentWnd = NULL);
    ~CUserInfoDialog() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CUInfoPanelDialog* GetPanel() const { return m_pPanel; }
    // Whether the picture went to the system with its alpha channel.
    BOOL IsAlphaComposed() const { return m_bAlphaComposed; }

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    void OnMove(int x, int y) override;
    void OnPaint() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void PreInitDialog() override;

private:
    void DrawSkin();
    void KeepPanelAbove();

    BLENDFUNCTION m_blend = {};
    HDC m_hMemDC = NULL;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOldBitmap = NULL;
    CUInfoPanelDialog* m_pPanel = NULL;
    BOOL m_bAlphaComposed = FALSE;
};

#endif
