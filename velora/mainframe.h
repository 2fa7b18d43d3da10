#ifndef VELORA_MAINFRAME_H
#define VELORA_MAINFRAME_H

// Velora's main window: 920 x 680, no system caption or menu; the program paints the
// top of the non-client area itself. The client area is a fixed splitter (tree on the
// left, browser on the right) above the status bar. It owns the tray icon and the root
// of the category tree, and runs the start-up sequence on its first caption paint.

#include "framework/cstring.h"
#include "framework/dyncreate.h"
#include "framework/framewnd.h"
#include "model/treenode.h"
#include "velora/customstatusbar.h"
#include "velora/velorasplitterwnd.h"

#include <windows.h>
#include <gdiplus.h>
#include <string>
#include <utility>
#include <vector>

class CLeftContainer;
class CUserInfoDialog;

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Paints the caption and, the first time, runs the start-up sequence.
    void DrawNonClient(HDC hDC);
    void LoadConfigAndStart();

    // Service requests on the frame's own behalf; results come back as messages.
    void AutoLogin(CString strUserName, CString strPassword);
    void RequestNodeInfoWithAllChild(int nTaskId, int nNodeId);
    void RequestNodeList(int nTaskId, int nParentId);
    void CheckVersion();
    // Asks for the subtree of the top-level category that caption selection nSelection
    // stands for, when there is such a category.
    void SelectBookMenu(int nSelection);

    // What the service tasks change, on the UI thread. AdoptNodes gives the nodes to the
    // tree's node that carries nParentId and returns it; with no such node the nodes are
    // deleted and the result is NULL.
    TreeNode* AdoptNodes(int nParentId, const std::vector<TreeNode*>& nodes);
    // Puts a freshly loaded category in place of the tree's node with its id; FALSE when
    // there is none, and the caller keeps pRoot.
    BOOL GraftSubtree(TreeNode* pRoot);
    void SetNickname(CString strNickname) { m_strNickname = std::move(strNickname); }
    void SetHeadImage(std::string strHeadImage) { m_strHeadImage = std::move(strHeadImage); }

    int m_nSelectedMenu = 4;
    CVeloraSplitterWnd m_wndSplitter;
    RECT m_rcUserHead = {15, 8, 95, 85};
    RECT m_rcBookPlaza = {115, 4, 195, 84};
    RECT m_rcJourneyCapture = {200, 4, 285, 84};
    RECT m_rcMid = {290, 4, 370, 84};
    RECT m_rcSetting = {375, 4, 455, 84};
    RECT m_rcLogo = {};
    RECT m_rcClose = {}, m_rcMax = {}, m_rcMin = {};
    BOOL m_bMouseTracking = FALSE;
    BOOL m_bStarted = FALSE;
    // Written on the UI thread only (the login task hands its values over).
    std::string m_strHeadImage;
    TreeNode m_rootNode;
    CString m_strConfigPath;
    CString m_strNickname;
    Gdiplus::GdiplusStartupInput m_gdiplusStartupInput;
    ULONG_PTR m_gdiplusToken = 0;
    CCustomStatusBar m_wndStatusBar;
    // The floating user-info box: made on the first hover of the user area while logged
    // in, then shown, moved and hidden; the frame deletes it.
    CUserInfoDialog* m_pFloatBox = NULL;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    void OnDestroy() override;
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) override;
    LRESULT OnNcHitTest(POINT point) override;
    void OnNcLButtonDown(UINT nHitTest, POINT point) override;
    void OnNcMouseMove(UINT nHitTest, POINT point) override;
    void OnNcMouseLeave() override;

private:
    LRESULT OnNodeListLoaded(LPARAM lParam);
    LRESULT OnNodeInfoWithAllChildLoaded(LPARAM lParam);
    LRESULT OnRootNodesLoaded();
    LRESULT OnLoginStateChanged();
    void ShowNodeTree(TreeNode* pNode);
    CLeftContainer* GetLeftContainer() const;
    // Screen coordinates to the window's own (origin at its top-left corner).
    POINT ToWindow(POINT ptScreen) const;
    void RepaintCaption(int nHover);
    void ShowFloatBox();
    void HideFloatBox();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnTrayLogin();
    void OnTrayLogout();
    void OnTrayExit();
};

// The process's one tray icon record: filled by the frame's creation, used again to
// remove the icon.
extern NOTIFYICONDATAA g_trayIconData;

#endif
