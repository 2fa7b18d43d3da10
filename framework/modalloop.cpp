#include "framework/modalloop.h"

#include "framework/wnd.h"

void AfxRunModalLoop(CWnd& wnd, const BOOL& bEnd)
{
    MSG msg;
    while (!bEnd && wnd.m_hWnd) {
        BOOL bResult = GetMessageA(&msg, NULL, 0, 0);
        if (bResult == 0) {
            // The program is ending: leave the quit request for the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (bResult == -1)
            break;
        if (CWnd::WalkPreTranslateTree(wnd.m_hWnd, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
