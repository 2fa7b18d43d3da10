// The shipped client traces nothing: run as a debuggee, it writes no stored account to
// the debug output. A diagnostic build of the same trace call shows that the debugger
// would see it.

#include "framework/trace.h"
#include "tests/support/appdriver.h"
#include "tests/support/debugoutput.h"
#include "tests/support/standin.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

const char kPassword[] = "secret1";

bool AnyContains(const std::vector<std::string>& strings, const std::string& text)
{
    return std::any_of(strings.begin(), strings.end(),
                       [&](const std::string& s) { return s.find(text) != std::string::npos; });
}

} // namespace

TEST(DebugOutput, DiagnosticBuildTracesAndAssertsToTheDebugger)
{
    CAppDriver app(WinePath(VELORA_TRACE_DIAGNOSTIC));
    CDebugOutput output([&](DWORD dwFlags) { return app.Start(std::string(), std::string(), dwFlags); });
    ASSERT_TRUE(output.Started());
    ASSERT_TRUE(output.WaitForEnd(30000));
    std::vector<std::string> strings = output.Strings();
    EXPECT_TRUE(AnyContains(strings, std::string("===========> ") + kPassword + "\n"));
    EXPECT_TRUE(AnyContains(strings, "assertion failed: ++nEvaluated == 2"));
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(5000, dwExitCode));
    EXPECT_EQ(1u, dwExitCode);
}

TEST(DebugOutput, ShippedVeloraWritesNoStoredAccount)
{
    if (FRAMEWORK_DIAGNOSTICS)
        GTEST_SKIP() << "a diagnostic build traces by design";
    ASSERT_TRUE(StandIn::Reset());
    CAppDriver app(WinePath(VELORA_EXE));
    ASSERT_TRUE(app.WriteFile("data\\config.vr", std::string("\x09traveller\x07") + kPassword));
    CDebugOutput output([&](DWORD dwFlags) { return app.Start(std::string(), std::string(), dwFlags); });
    ASSERT_TRUE(output.Started());
    HWND hFrame = app.WaitForFrame("Velora", 30000);
    ASSERT_NE(nullptr, hFrame);
    // The login request comes after the start-up sequence's traces would have been written.
    StandIn::WaitForRequests("/client/login/", 1, 15000);
    ASSERT_EQ(1u, StandIn::Requests("/client/login/").size());
    PostMessage(hFrame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(output.WaitForEnd(15000));
    std::vector<std::string> strings = output.Strings();
    EXPECT_FALSE(AnyContains(strings, kPassword));
    EXPECT_FALSE(AnyContains(strings, "traveller"));
    DWORD dwExitCode = 99;
    EXPECT_TRUE(app.WaitForExit(5000, dwExitCode));
    EXPECT_EQ(0u, dwExitCode);
}
