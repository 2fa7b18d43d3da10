#include "framework/framewnd.h"

#include "framework/createcontext.h"
#include "framework/doctemplate.h"
#include "framework/document.h"
#include "framework/resources.h"
#include "framework/statusbar.h"
#include "framework/view.h"
#include "framework/winapp.h"
#include "framework/wndclass.h"

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

const char* CFrameWnd::FrameClassName(UINT nIDResource)
{
    return AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(NULL, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                               AfxLoadIcon(nIDResource));
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    CString strTitle = AfxExtractSubString(AfxLoadString(nIDResource), 0);
    return CreateEx(0, FrameClassName(nIDResource), strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : NULL, NULL, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = FrameClassName(m_nIDResource);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc)
        m_pDocument = pContext->m_pCurrentDoc;
    return OnCreateClient(lpCreateStruct, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    return CreateView(pContext) != NULL;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = dynamic_cast<CWnd*>(pObject);
    if (!pView) {
        delete pObject;
        return NULL;
    }
    RECT rect = {0, 0, 0, 0};
    if (!pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rect, this, nID, pContext)) {
        // A view whose window was made and destroyed again has deleted itself.
        if (!CWnd::LastCreateAttached())
            delete pView;
        return NULL;
    }
    return pView;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::RecalcLayout()
{
    RECT rcClient;
    GetClientRect(&rcClient);
    HWND hStatus = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
    if (hStatus && ::IsWindowVisible(hStatus)) {
        CStatusBar* pStatus = dynamic_cast<CStatusBar*>(FromHandlePermanent(hStatus));
        int nHeight = pStatus ? pStatus->CalcHeight() : 0;
        RECT rcStatus = {rcClient.left, rcClient.bottom - nHeight, rcClient.right, rcClient.bottom};
        if (pStatus)
            pStatus->MoveWindow(rcStatus);
        rcClient.bottom = rcStatus.top;
    }
    HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hPane)
        ::MoveWindow(hPane, rcClient.left, rcClient.top, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top,
                     TRUE);
}

namespace {

BOOL CALLBACK InitialUpdateChild(HWND hWnd, LPARAM lParam)
{
    if (CView* pView = dynamic_cast<CView*>(CWnd::FromHandlePermanent(hWnd)))
        pView->OnInitialUpdate();
    return TRUE;
}

} // namespace

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (pDoc)
        m_pDocument = pDoc;
    EnumChildWindows(m_hWnd, InitialUpdateChild, 0);
    UpdateFrameTitle();
    RecalcLayout();
    if (bMakeVisible) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
    }
}

void CFrameWnd::UpdateFrameTitle()
{
    if (!(GetStyle() & FWS_ADDTOTITLE) || !m_pDocument || m_pDocument->GetTitle().IsEmpty())
        return;
    CString strTitle = m_pDocument->GetTitle();
    strTitle += " - ";
    strTitle += AfxExtractSubString(AfxLoadString(m_nIDResource), 0);
    SetWindowText(strTitle);
}

CView* CFrameWnd::ViewHolding(HWND hWnd) const
{
    if (!hWnd || !::IsChild(m_hWnd, hWnd))
        return NULL;
    for (; hWnd && hWnd != m_hWnd; hWnd = ::GetParent(hWnd)) {
        if (CView* pView = dynamic_cast<CView*>(FromHandlePermanent(hWnd)))
            return pView;
    }
    return NULL;
}

CView* CFrameWnd::GetActiveView() const
{
    if (CView* pView = ViewHolding(::GetFocus()))
        return pView;
    if (CView* pView = ViewHolding(m_hWndActiveView))
        return pView;
    for (HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST); hPane;
         hPane = ::GetDlgItem(hPane, AFX_IDW_PANE_FIRST)) {
        if (CView* pView = dynamic_cast<CView*>(FromHandlePermanent(hPane)))
            return pView;
    }
    return NULL;
}

void CFrameWnd::SetActiveView(CView* pView)
{
    m_hWndActiveView = pView ? pView->m_hWnd : NULL;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID)
{
    CView* pView = GetActiveView();
    if (pView && pView->OnCmdMsg(nID))
        return TRUE;
    if (CWnd::OnCmdMsg(nID))
        return TRUE;
    if (m_pDocument && m_pDocument->OnCmdMsg(nID))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ENABLE:
        OnEnable(static_cast<BOOL>(wParam));
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam));
        return 0;
    case WM_ENDSESSION:
        OnEndSession(static_cast<BOOL>(wParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// A disabled frame has a modal box or dialog over it, whose loop may run inside one of
// the frame's own handlers (the start-up sequence runs inside the first caption paint):
// destroying the frame there would return into a deleted object. The close waits until
// the frame is enabled again, when that loop has ended.
void CFrameWnd::OnClose()
{
    if (!IsWindowEnabled(m_hWnd)) {
        m_bClosePending = TRUE;
        return;
    }
    Default();
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    Default();
    if (bEnable && m_bClosePending) {
        m_bClosePending = FALSE;
        PostMessage(WM_CLOSE);
    }
}

// The file opens as the open command's does: a file that cannot be read shows the
// document's failure box and changes nothing, one that opens goes on the recent-file list.
void CFrameWnd::OnDropFiles(HDROP hDropInfo)
{
    ::SetActiveWindow(m_hWnd);
    char szFileName[MAX_PATH] = "";
    CWinApp* pApp = AfxGetApp();
    if (pApp && DragQueryFileA(hDropInfo, 0, szFileName, MAX_PATH) > 0)
        pApp->OpenDocumentFile(szFileName);
    DragFinish(hDropInfo);
}

// The focus is still where the user left it while the frame is told it goes inactive:
// a box, a dialog or another program takes it only afterwards.
void CFrameWnd::OnActivate(UINT nState)
{
    if (nState == WA_INACTIVE) {
        if (CView* pView = ViewHolding(::GetFocus()))
            SetActiveView(pView);
    }
    if (CView* pView = GetActiveView())
        pView->OnActivateFrame(nState);
    Default();
}

// Activation gives the frame itself the focus; keys are meant for the page or list
// the user was in.
void CFrameWnd::OnSetFocus(HWND hOldWnd)
{
    if (CView* pView = GetActiveView())
        pView->SetFocus();
    else
        Default();
}

// Log-off, shut-down, or an installer closing the running programs: the main frame
// closes as its own close does, and the application's exit operation has run before
// this returns, as the system may end the process at any moment after. While a modal
// loop runs over the frame the close waits for it (OnClose); what the exit saves is
// saved now all the same.
void CFrameWnd::OnEndSession(BOOL bEnding)
{
    CWinApp* pApp = AfxGetApp();
    if (!bEnding || !pApp || pApp->m_pMainWnd != this)
        return;
    HWND hWnd = m_hWnd;
    SendMessage(WM_CLOSE);
    // From here on the frame may be gone: only locals are used.
    if (::IsWindow(hWnd))
        pApp->SaveStdProfileSettings();
    else
        pApp->ExitForSessionEnd();
}

void CFrameWnd::PostNcDestroy()
{
    CDocument* pDoc = m_pDocument;
    m_pDocument = NULL;
    if (pDoc && pDoc->GetDocTemplate())
        pDoc->GetDocTemplate()->CloseDocument(pDoc);
    delete this;
}
