#ifndef VELORA_MAINFRAME_H
#define VELORA_MAINFRAME_H

// Velora's main window: 920 x 680, no system caption or menu; its skinned caption
// paints the top of the non-client area and takes the non-client mouse messages. The
// client area is a fixed splitter (tree on the
// left, browser on the right) above the status bar. It owns the tray icon and the root
// of the category tree, and runs the start-up sequence on its first caption paint.

#include "framework/cstring.h"
#include "framework/object.h"
#include "framework/framewnd.h"
#include "model/treenode.h"
#include "velora/caption.h"
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

    // The caption shows the floating user-info box while the pointer is over the user
    // area and the user is logged in, and hides it otherwise. HideFloatBox tells whether
    // the box was on the screen.
    void ShowFloatBox();
    BOOL HideFloatBox();
    CCaption& GetCaption() { return m_caption; }

    // What the service tasks change, on the UI thread. AdoptNodes gives the nodes to the
    // tree's node that carries nParentId and returns it; with no such node the nodes are
    // deleted and the result is NULL.
    TreeNode* AdoptNodes(int nParentId, const std::vector<TreeNode*>& nodes);
    // Puts a freshly loaded category in place of the tree's node with its id; FALSE when
    // there is none, and the caller keeps pRoot.
    BOOL GraftSubtree(TreeNode* pRoot);
    void SetNickname(CString strNickname) { m_strNickname = std::move(strNickname); }
    void SetHeadImage(std::string strHeadImage) { m_strHeadImage = std::move(strHeadImage); }

    CVeloraSplitterWnd m_wndSplitter;
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

private:
    LRESULT OnNodeListLoaded(LPARAM lParam);
    LRESULT OnNodeInfoWithAllChildLoaded(LPARAM lParam);
    LRESULT OnRootNodesLoaded();
    LRESULT OnLoginStateChanged();
    void ShowNodeTree(TreeNode* pNode);
    CLeftContainer* GetLeftContainer() const;
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnTrayShow();
    void OnTrayHide();
    void OnTrayMinimize();
    void OnTrayLogin();
    void OnTrayLogout();
    void OnTrayExit();

    CCaption m_caption{*this};
};

// The process's one tray icon record: filled by the frame's creation, used again to
// remove the icon.
extern NOTIFYICONDATAA g_trayIconData;

#endif
