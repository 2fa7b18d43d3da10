#include "velora/mainframe.h"

#include "ctrl/nonclientpaint.h"
#include "framework/afxres.h"
#include "framework/resources.h"
#include "framework/trace.h"
#include "model/treeops.h"
#include "util/paths.h"
#include "util/windowmessages.h"
#include "velora/activedoc.h"
#include "velora/leftcontainer.h"
#include "velora/resource.h"
#include "velora/tasks/taskid.h"
#include "velora/userinfodialog.h"
#include "velora/veloraapp.h"
#include "velora/velorabrowser.h"
#include "velora/veloradoc.h"
#include "velora/versioncheck.h"

#include <shellapi.h>

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

NOTIFYICONDATAA g_trayIconData;

namespace {
const int kFrameWidth = 920;
const int kFrameHeight = 680;
const UINT kStatusIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
} // namespace

CMainFrame::CMainFrame()
{
    m_rootNode.SetNodeId(0);
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &m_gdiplusStartupInput, NULL);
}

CMainFrame::~CMainFrame()
{
    delete m_pFloatBox;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    cs.style &= ~(WS_BORDER | WS_SYSMENU | FWS_ADDTOTITLE);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.hMenu = NULL;
    cs.cx = kFrameWidth;
    cs.cy = kFrameHeight;
    cs.x = GetSystemMetrics(SM_CXSCREEN) / 2 - kFrameWidth / 2;
    cs.y = GetSystemMetrics(SM_CYSCREEN) / 2 - kFrameHeight / 2;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this, 0x50008200, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kStatusIndicators, 4)) {
        TRACE("未能创建状态栏\n");
        return -1;
    }

#if !defined(_WIN64)
    // The tray gets the full record, balloon icon included (_WIN32_WINNT 0x0600).
    static_assert(sizeof(NOTIFYICONDATAA) == 508, "the notify-icon record must be the full 508 bytes");
#endif
    ZeroMemory(&g_trayIconData, sizeof(g_trayIconData));
    g_trayIconData.cbSize = sizeof(NOTIFYICONDATAA);
    g_trayIconData.hWnd = m_hWnd;
    g_trayIconData.uID = IDR_MAINFRAME;
    g_trayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_trayIconData.uCallbackMessage = WM_TRAY_NOTIFY;
    g_trayIconData.hIcon = AfxLoadIcon(IDR_MAINFRAME);
    lstrcpynA(g_trayIconData.szTip, AfxLoadString(IDS_TRAY_TIP), sizeof(g_trayIconData.szTip));
    Shell_NotifyIconA(NIM_ADD, &g_trayIconData);

    ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext)
{
    // A missing pane is asserted in diagnostic builds; the frame goes on without it.
    BOOL bSplitter = m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST);
    ASSERT(bSplitter);
    if (!bSplitter)
        return TRUE;
    BOOL bLeft = m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CLeftContainer), SIZE{170, 0}, pContext);
    ASSERT(bLeft);
    BOOL bBrowser = m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CVeloraBrowser), SIZE{0, 0}, pContext);
    ASSERT(bBrowser);
    // Keys typed into the window are for the page.
    SetActiveView(dynamic_cast<CView*>(m_wndSplitter.GetPane(0, 1)));
    return TRUE;
}

// The nodes' icons are GDI+ images: they go before GDI+ does, and the tree's rows go
// before the nodes they show.
void CMainFrame::OnDestroy()
{
    delete m_pFloatBox;
    m_pFloatBox = NULL;
    CFrameWnd::OnDestroy();
    Shell_NotifyIconA(NIM_DELETE, &g_trayIconData);
    if (CLeftContainer* pLeft = GetLeftContainer())
        pLeft->ClearTree();
    ReplaceChildren(&m_rootNode, std::vector<TreeNode*>());
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (m_caption.OnMessage(message, wParam, lParam, lResult))
        return lResult;
    switch (message) {
    case WM_NODE_CHILDREN_READY:
        return OnNodeListLoaded(lParam);
    case WM_NODE_TREE_READY:
        return OnNodeInfoWithAllChildLoaded(lParam);
    case WM_NODE_LIST_READY:
        return OnRootNodesLoaded();
    case WM_LOGIN_OK:
        return OnLoginStateChanged();
    case WM_NEW_VERSION:
        return OnCheckVersionResult(m_hWnd);
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(wParam, lParam);
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

// The system never paints this frame's non-client area: every message that would
// reach default painting repaints the caption instead.
LRESULT CMainFrame::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PaintNonClientInstead(m_hWnd, message, [this](HDC hDC) { DrawNonClient(hDC); }))
        return 1;
    return CFrameWnd::DefWindowProc(message, wParam, lParam);
}

void CMainFrame::DrawNonClient(HDC hDC)
{
    m_caption.DrawCaption(hDC);
    if (!m_bStarted) {
        m_bStarted = TRUE;
        LoadConfigAndStart();
    }
}

void CMainFrame::LoadConfigAndStart()
{
    CVeloraApp* pApp = GetVeloraApp();
    CString strExeDir = GetExeDirectory();
    CString strDataDir = strExeDir + "data\\";
    m_strConfigPath = strDataDir + "config.vr";
    TRACE("====================\n%s\n====================\n", GetModulePath().GetString());

    if (!IsDirectoryExist(strDataDir)) {
        if (CreateDir(strDataDir)) {
            CreateEmptyFile(m_strConfigPath);
            pApp->OpenConfigFile(m_strConfigPath);
        }
        return;
    }
    if (!IsFileExist(m_strConfigPath)) {
        CreateEmptyFile(m_strConfigPath);
        pApp->OpenConfigFile(m_strConfigPath);
        return;
    }
    TRACE("%s\n", m_strConfigPath.GetString());
    pApp->OpenConfigFile(m_strConfigPath);
    CVeloraDoc* pDoc = dynamic_cast<CVeloraDoc*>(GetActiveDoc());
    CString strUserName, strPassword;
    if (pDoc) {
        strUserName = pDoc->GetUserInfo()->GetUserName();
        strPassword = pDoc->GetUserInfo()->GetPassword();
    }
    TRACE("===========> %s\n", strUserName.GetString());
    TRACE("===========> %s\n", strPassword.GetString());
    CheckVersion();
    RequestNodeList(taskCategories, 0);
    if (!strUserName.IsEmpty())
        AutoLogin(strUserName, strPassword);
}
