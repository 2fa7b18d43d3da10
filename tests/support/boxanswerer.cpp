#include "tests/support/boxanswerer.h"

#include "tests/support/dialogs.h"

#include <cstring>

CBoxAnswerer::CBoxAnswerer(DWORD dwProcessId) : m_dwProcessId(dwProcessId), m_thread([this] { Run(); })
{
}

CBoxAnswerer::~CBoxAnswerer()
{
    m_bStop = true;
    m_thread.join();
}

std::vector<std::string> CBoxAnswerer::Boxes()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_boxes;
}

std::vector<HWND> CBoxAnswerer::Owners()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_owners;
}

bool CBoxAnswerer::WaitForBoxes(size_t n, DWORD dwTimeoutMs)
{
    DWORD dwStart = GetTickCount();
    while (m_nGone < n) {
        if (GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

namespace {
struct CBoxSearch {
    DWORD dwProcessId;
    std::vector<HWND> boxes;
};
} // namespace

BOOL CALLBACK CBoxAnswerer::OnWindow(HWND hWnd, LPARAM lParam)
{
    CBoxSearch* pSearch = reinterpret_cast<CBoxSearch*>(lParam);
    char szClass[16] = "";
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hWnd, &dwProcess);
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (dwProcess == pSearch->dwProcessId && strcmp(szClass, "#32770") == 0 && IsWindowVisible(hWnd) &&
        IsMessageBox(hWnd))
        pSearch->boxes.push_back(hWnd);
    return TRUE;
}

void CBoxAnswerer::Run()
{
    while (!m_bStop) {
        CBoxSearch search{m_dwProcessId, {}};
        EnumWindows(OnWindow, reinterpret_cast<LPARAM>(&search));
        for (HWND hBox : search.boxes) {
            char szCaption[64] = "", szText[512] = "";
            GetWindowTextA(hBox, szCaption, sizeof(szCaption));
            GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText));
            {
                std::lock_guard<std::mutex> lock(m_lock);
                m_boxes.push_back(std::string(szCaption) + "|" + szText);
                m_owners.push_back(GetWindow(hBox, GW_OWNER));
            }
            PostMessage(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(hBox, IDOK)));
            for (int i = 0; i < 200 && IsWindow(hBox); ++i)
                Sleep(10);
            ++m_nGone;
        }
        Sleep(20);
    }
}
