#include "tests/support/debugoutput.h"

#include <future>

CDebugOutput::CDebugOutput(const std::function<bool(DWORD)>& fnStart) : m_hEnded(CreateEventA(NULL, TRUE, FALSE, NULL))
{
    std::promise<void> started;
    std::future<void> whenStarted = started.get_future();
    m_thread = std::thread([this, fnStart, &started] {
        bool bStarted = fnStart(DEBUG_ONLY_THIS_PROCESS);
        m_bStarted = bStarted;
        started.set_value();
        if (bStarted)
            Run();
        SetEvent(m_hEnded);
    });
    whenStarted.wait();
}

CDebugOutput::~CDebugOutput()
{
    m_bStop = true;
    m_thread.join();
    CloseHandle(m_hEnded);
}

bool CDebugOutput::WaitForEnd(DWORD dwTimeoutMs) const
{
    return WaitForSingleObject(m_hEnded, dwTimeoutMs) == WAIT_OBJECT_0;
}

std::vector<std::string> CDebugOutput::Strings()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_strings;
}

void CDebugOutput::Keep(HANDLE hProcess, const OUTPUT_DEBUG_STRING_INFO& info)
{
    std::vector<char> bytes(info.nDebugStringLength * (info.fUnicode ? 2 : 1) + 2, 0);
    SIZE_T nRead = 0;
    if (!ReadProcessMemory(hProcess, info.lpDebugStringData, bytes.data(), bytes.size() - 2, &nRead))
        return;
    std::string text;
    if (info.fUnicode) {
        const wchar_t* pszWide = reinterpret_cast<const wchar_t*>(bytes.data());
        int nLength = WideCharToMultiByte(CP_ACP, 0, pszWide, -1, NULL, 0, NULL, NULL);
        text.resize(nLength > 0 ? nLength : 1);
        WideCharToMultiByte(CP_ACP, 0, pszWide, -1, &text[0], nLength, NULL, NULL);
        text.resize(strlen(text.c_str()));
    } else {
        text = bytes.data();
    }
    std::lock_guard<std::mutex> lock(m_lock);
    m_strings.push_back(text);
}

void CDebugOutput::Run()
{
    HANDLE hProcess = NULL;
    for (;;) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, 100)) {
            if (!m_bStop)
                continue;
            DebugActiveProcessStop(GetProcessId(hProcess));
            return;
        }
        DWORD dwContinue = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            hProcess = event.u.CreateProcessInfo.hProcess;
            if (event.u.CreateProcessInfo.hFile)
                CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile)
                CloseHandle(event.u.LoadDll.hFile);
            break;
        case OUTPUT_DEBUG_STRING_EVENT:
            Keep(hProcess, event.u.DebugString);
            break;
        case EXCEPTION_DEBUG_EVENT:
            // Breakpoints (the loader's first one, DebugBreak) are ours to pass over;
            // every other exception goes to the program's own handling.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                dwContinue = DBG_EXCEPTION_NOT_HANDLED;
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, dwContinue);
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            return;
    }
}
