#include "tests/support/dialogclient.h"

#include "framework/doctemplate.h"
#include "framework/uicall.h"
#include "framework/winapp.h"
#include "tests/support/windowfinder.h"
#include "util/windowmessages.h"
#include "velora/resource.h"

#include <fstream>
#include <vector>

namespace {

// One document and no frame.
class CAccountDocTemplate : public CDocTemplate {
public:
    CAccountDocTemplate() : CDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVeloraDoc), NULL, NULL) {}
    CDocument* OpenDocumentFile(const char*, BOOL) override { return &m_doc; }
    CDocument* GetFirstDoc() const override { return const_cast<CVeloraDoc*>(&m_doc); }
    void CloseDocument(CDocument*) override {}
    CVeloraDoc m_doc;
};

CVeloraApp theApp;
CMainFrame* g_pFrame = nullptr;
CAccountDocTemplate* g_pTemplate = nullptr;
int g_nCaptionRepaints = 0;
std::vector<LPARAM> g_setFontRedraws;

LRESULT CALLBACK WatchMessages(int nCode, WPARAM wParam, LPARAM lParam)
{
    auto* pMsg = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pFrame && pMsg->hwnd == g_pFrame->m_hWnd && pMsg->message == WM_LOGIN_OK)
        ++g_nCaptionRepaints;
    if (nCode == HC_ACTION && pMsg->message == WM_SETFONT && IsDialogWindow(pMsg->hwnd))
        g_setFontRedraws.push_back(pMsg->lParam);
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

} // namespace

namespace DialogClient {

bool Start()
{
    if (g_pFrame)
        return true;
    // As the program does: the frame's browser pane needs OLE.
    if (!AfxOleInit() || !CUiCall::CreateWindowForThread())
        return false;
    g_pTemplate = new CAccountDocTemplate;
    theApp.AddDocTemplate(g_pTemplate);
    g_pFrame = new CMainFrame;
    g_pFrame->m_bStarted = TRUE; // no start-up sequence here
    if (!g_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, NULL, NULL))
        return false;
    theApp.m_pMainWnd = g_pFrame;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    g_pFrame->m_strConfigPath.Format("%svelora-dialogs-%lu.vr", szTemp, GetCurrentProcessId());
    SetWindowsHookExA(WH_CALLWNDPROC, WatchMessages, NULL, GetCurrentThreadId());
    return true;
}

CVeloraApp& App()
{
    return theApp;
}

CMainFrame* Frame()
{
    return g_pFrame;
}

CVeloraDoc& Doc()
{
    return g_pTemplate->m_doc;
}

std::string ConfigBytes()
{
    std::ifstream file(g_pFrame->m_strConfigPath.GetString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int CaptionRepaints()
{
    return g_nCaptionRepaints;
}

std::vector<LPARAM> DialogSetFontRedraws()
{
    return g_setFontRedraws;
}

void ResetCounters()
{
    g_nCaptionRepaints = 0;
    g_setFontRedraws.clear();
}

void CloseEveryDialog()
{
    DWORD dwThread = GetWindowThreadProcessId(g_pFrame->m_hWnd, NULL);
    CWindowQuery dialogs{GetCurrentProcessId(), "#32770", nullptr, true,
                         [dwThread](HWND hWnd) { return GetWindowThreadProcessId(hWnd, NULL) == dwThread; }};
    for (int i = 0; i < 3; ++i) {
        for (HWND hDialog : FindTopWindows(dialogs))
            PostMessageA(hDialog, WM_CLOSE, 0, 0);
        Sleep(100);
    }
}

} // namespace DialogClient
