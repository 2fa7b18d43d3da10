// The framework's message box as a person sees it: the icon it shows, read from the
// screen where the box's icon control stands, in a program of the framework's own.

#include "tests/support/appdriver.h"
#include "tests/support/dialogs.h"

#include <gtest/gtest.h>
#include <string>

// Without an icon of the caller's, the buttons choose it; a window's own box and a
// caller's icon stay as they were asked for.
TEST(FrameworkMessageBox, ShowsTheIconItsButtonsCallForUnlessTheCallerChoseOne)
{
    const struct {
        const char* pszHow;
        UINT nType;
        int nButton;
        const char* pszIcon;
    } cases[] = {
        {"afx", MB_OK, IDOK, "exclamation"},
        {"afx", MB_OKCANCEL, IDCANCEL, "exclamation"},
        {"afx", MB_YESNO, IDNO, "question"},
        {"afx", MB_YESNOCANCEL, IDYES, "question"},
        {"afx", MB_OK | MB_ICONINFORMATION, IDOK, "information"},
        {"window", MB_OK, IDOK, "none"},
    };
    for (const auto& c : cases) {
        const std::string strCase = std::string(c.pszHow) + " " + std::to_string(c.nType);
        CAppDriver app(WinePath(FIXTURE_MESSAGE_BOX));
        ASSERT_TRUE(app.Start(strCase));
        std::string strIcon;
        EXPECT_EQ("fixture_message_box|box", AnswerMessageBox(app.ProcessId(), c.nButton, 20000, nullptr, &strIcon))
            << strCase;
        EXPECT_EQ(c.pszIcon, strIcon) << strCase;
        DWORD dwExitCode = 0;
        EXPECT_TRUE(app.WaitForExit(10000, dwExitCode)) << strCase;
        EXPECT_EQ(static_cast<DWORD>(c.nButton), dwExitCode) << strCase;
    }
}
