#include "tests/support/boxanswerer.h"

#include "tests/support/dialogs.h"
#include "tests/support/wait.h"
#include "tests/support/windowfinder.h"

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
    return WaitUntil([&] { return m_nGone >= n; }, dwTimeoutMs);
}

void CBoxAnswerer::Run()
{
    while (!m_bStop) {
        for (HWND hBox : FindTopWindows({m_dwProcessId, nullptr, nullptr, true, IsMessageBox})) {
            {
                std::lock_guard<std::mutex> lock(m_lock);
                m_boxes.push_back(MessageBoxText(hBox));
                m_owners.push_back(GetWindow(hBox, GW_OWNER));
            }
            PostMessage(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(hBox, IDOK)));
            WaitUntil([hBox] { return !IsWindow(hBox); }, 2000);
            ++m_nGone;
        }
        Sleep(20);
    }
}
