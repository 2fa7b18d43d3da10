// Velora's status bar as the user sees it: the blue strip with the client's version.

#include "tests/support/appdriver.h"
#include "tests/support/screenarea.h"
#include "tests/support/standin.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kBarColour = RGB(47, 140, 194);

// Near-white: the text's strokes (their edges are smoothed).
bool IsTextPixel(COLORREF cr)
{
    return GetRValue(cr) > 200 && GetGValue(cr) > 200 && GetBValue(cr) > 200;
}

} // namespace

TEST(VeloraStatusBar, ShowsTheClientVersionOnTheBlueStrip)
{
    ASSERT_TRUE(StandIn::Reset());
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.Start());
    HWND hFrame = app.WaitForWindow("Velora", nullptr, 30000);
    ASSERT_NE(nullptr, hFrame);
    // The frame is found as soon as it exists; its bar and first paint follow.
    HWND hBar = NULL;
    WaitUntil(
        [&] { return (hBar = FindWindowExA(hFrame, NULL, "msctls_statusbar32", NULL)) && IsWindowVisible(hFrame); },
        15000, 100);
    ASSERT_NE(nullptr, hBar);
    Sleep(1500);
    CAppDriver::Screenshot(hFrame, WinePath(VELORA_SCREENSHOTS) + "\\velora-status-bar.png");

    RECT rc;
    GetClientRect(hBar, &rc);
    POINT origin = {0, 0};
    ClientToScreen(hBar, &origin);
    EXPECT_EQ(kBarColour, ScreenPixel(origin.x + 2, origin.y + rc.bottom - 2));
    EXPECT_EQ(kBarColour, ScreenPixel(origin.x + rc.right - 3, origin.y + 2));
    // "客户端当前版本：1.0.0.1" from x 20: text strokes in its first 200 pixels, none
    // left of it.
    int nText = 0, nLeft = 0;
    for (int y = 3; y < rc.bottom && y < 17; ++y) {
        for (int x = 0; x < 220; ++x) {
            bool bText = IsTextPixel(ScreenPixel(origin.x + x, origin.y + y));
            nText += bText && x >= 20;
            nLeft += bText && x < 20;
        }
    }
    EXPECT_GT(nText, 100);
    EXPECT_EQ(0, nLeft);
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(15000, dwExitCode));
}
