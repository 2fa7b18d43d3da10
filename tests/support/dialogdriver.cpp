#include "tests/support/dialogdriver.h"

#include "tests/support/screenarea.h"
#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"

#include <mutex>

namespace {

LPARAM Middle(HWND hWnd)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    return MAKELPARAM(rc.right / 2, rc.bottom / 2);
}

HANDLE g_hMarkerTaken = NULL;

UINT SyncMarker()
{
    static const UINT nMarker = RegisterWindowMessageA("VeloraTestDriverSync");
    return nMarker;
}

LRESULT CALLBACK WatchForMarker(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && (wParam & PM_REMOVE) && pMsg->message == SyncMarker())
        SetEvent(g_hMarkerTaken);
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

bool SyncThroughMarker(HWND hDlg, DWORD dwThread)
{
    static std::mutex one;
    std::lock_guard<std::mutex> lock(one);
    g_hMarkerTaken = CreateEventA(NULL, TRUE, FALSE, NULL);
    HHOOK hHook = SetWindowsHookExA(WH_GETMESSAGE, WatchForMarker, NULL, dwThread);
    bool bDone = false;
    if (hHook) {
        // A closed dialog takes nothing more; that is done too.
        bDone = !PostMessageA(hDlg, SyncMarker(), 0, 0) || WaitForSingleObject(g_hMarkerTaken, 5000) == WAIT_OBJECT_0;
        UnhookWindowsHookEx(hHook);
    }
    CloseHandle(g_hMarkerTaken);
    g_hMarkerTaken = NULL;
    return bDone;
}

} // namespace

HWND CDialogDriver::WaitForDialog(DWORD dwProcessId, int nID, DWORD dwTimeoutMs)
{
    CWindowQuery query{dwProcessId, "#32770", nullptr, true,
                       [nID](HWND hWnd) { return GetDlgItem(hWnd, nID) != NULL; }};
    return WaitForTopWindow(query, dwTimeoutMs, 20);
}

void CDialogDriver::Type(int nID, const std::string& strText) const
{
    SendMessageA(Item(nID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.c_str()));
}

void CDialogDriver::KeyIn(int nID, const std::string& strText) const
{
    RECT rc;
    GetWindowRect(Item(nID), &rc);
    SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Sync();
    for (char ch : strText) {
        INPUT keys[2] = {};
        for (INPUT& key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(ch));
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
    // The keys reach the control a while later.
    WaitUntil(
        [&] {
            Sync();
            std::string strNow = Text(nID);
            return strNow.size() >= strText.size() &&
                   strNow.compare(strNow.size() - strText.size(), std::string::npos, strText) == 0;
        },
        5000, 0);
}

std::string CDialogDriver::Text(int nID) const
{
    char szText[1024] = "";
    SendMessageA(Item(nID), WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText));
    return szText;
}

void CDialogDriver::PressDown(int nID) const
{
    PostMessageA(Item(nID), WM_LBUTTONDOWN, MK_LBUTTON, Middle(Item(nID)));
}

void CDialogDriver::Release(int nID) const
{
    PostMessageA(Item(nID), WM_LBUTTONUP, 0, Middle(Item(nID)));
}

void CDialogDriver::Press(int nID) const
{
    PressDown(nID);
    Release(nID);
}

void CDialogDriver::DoubleClick(int nID) const
{
    Press(nID);
    PostMessageA(Item(nID), WM_LBUTTONDBLCLK, MK_LBUTTON, Middle(Item(nID)));
    Release(nID);
}

void CDialogDriver::Key(int nID, WPARAM vk) const
{
    HWND hTarget = nID ? Item(nID) : m_hDlg;
    PostMessageA(hTarget, WM_KEYDOWN, vk, 1);
    PostMessageA(hTarget, WM_KEYUP, vk, 0xC0000001);
}

// A dialog of this process: a marker is posted behind everything posted so far, and the
// dialog's thread is watched until its message loop takes it, so all before it is done.
// Another process cannot be watched: there each answered send stands for one more posted
// message done, which holds unless a send overtakes the posted messages.
void CDialogDriver::Sync() const
{
    DWORD dwProcess = 0;
    DWORD dwThread = GetWindowThreadProcessId(m_hDlg, &dwProcess);
    bool bWatchable = dwProcess == GetCurrentProcessId() && dwThread != GetCurrentThreadId();
    if (bWatchable && SyncThroughMarker(m_hDlg, dwThread))
        return;
    DWORD_PTR dwResult = 0;
    for (int i = 0; i < 6; ++i)
        SendMessageTimeoutA(m_hDlg, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult);
}

COLORREF CDialogDriver::Pixel(int x, int y, bool bClient) const
{
    POINT pt = {x, y};
    if (bClient) {
        ClientToScreen(m_hDlg, &pt);
    } else {
        RECT rc;
        GetWindowRect(m_hDlg, &rc);
        pt.x += rc.left;
        pt.y += rc.top;
    }
    return ScreenPixel(pt);
}

COLORREF CDialogDriver::PixelWhenPainted(int x, int y, COLORREF crExpected, bool bClient, DWORD dwTimeoutMs) const
{
    COLORREF cr = CLR_INVALID;
    WaitUntil([&] { return (cr = Pixel(x, y, bClient)) == crExpected; }, dwTimeoutMs, 20);
    return cr;
}

bool CDialogDriver::WaitClosed(DWORD dwTimeoutMs) const
{
    return WaitUntil([this] { return !IsWindow(m_hDlg) || !IsWindowVisible(m_hDlg); }, dwTimeoutMs, 20);
}
