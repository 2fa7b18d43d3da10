#include "framework/cstring.h"
#include "framework/parseurl.h"
#include "framework/trace.h"

#include <gtest/gtest.h>

TEST(CStringTest, CopiesDoNotShareBuffers)
{
    CString a("abc");
    CString b = a;
    b.GetBuffer(3)[0] = 'x';
    b.ReleaseBuffer();
    EXPECT_EQ(CString("abc"), a);
    EXPECT_EQ(CString("xbc"), b);
}

TEST(CStringTest, OrderIsByteOrder)
{
    EXPECT_TRUE(CString("clienttype") < CString("clientverno"));
    EXPECT_TRUE(CString("Z") < CString("a"));
    EXPECT_TRUE(CString("a") < CString("\xD6\xD0"));
}

TEST(CStringTest, FormatHasNoLengthLimit)
{
    CString big(std::string(5000, 'x'));
    CString text;
    text.Format("[%s]", big.GetString());
    EXPECT_EQ(5002, text.GetLength());
}

TEST(CStringTest, ReleaseBufferStopsAtZero)
{
    CString text;
    char* p = text.GetBuffer(10);
    strcpy(p, "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(3, text.GetLength());
}

TEST(ParseUrl, SplitsServerObjectAndPort)
{
    DWORD dwType = 0;
    CString server, object;
    unsigned short nPort = 0;
    ASSERT_TRUE(AfxParseURL("http://127.0.0.1:8080/client/login/", dwType, server, object, nPort));
    EXPECT_EQ(static_cast<DWORD>(AFX_INET_SERVICE_HTTP), dwType);
    EXPECT_EQ(CString("127.0.0.1"), server);
    EXPECT_EQ(CString("/client/login/"), object);
    EXPECT_EQ(8080, nPort);

    ASSERT_TRUE(AfxParseURL("http://www.example.cn", dwType, server, object, nPort));
    EXPECT_EQ(CString("/"), object);
    EXPECT_EQ(80, nPort);
}

TEST(ParseUrl, RejectsWhatIsNotAUrl)
{
    DWORD dwType = 0;
    CString server, object;
    unsigned short nPort = 0;
    EXPECT_FALSE(AfxParseURL("www.example.cn/client/", dwType, server, object, nPort));
    EXPECT_FALSE(AfxParseURL("http:///client/", dwType, server, object, nPort));
    EXPECT_FALSE(AfxParseURL("http://host/a\r\nX-Injected: 1", dwType, server, object, nPort));
    EXPECT_FALSE(AfxParseURL("http://host:99999/", dwType, server, object, nPort));
    EXPECT_FALSE(AfxParseURL("http://host:80x/", dwType, server, object, nPort));
    EXPECT_FALSE(AfxParseURL(nullptr, dwType, server, object, nPort));
}

// A shipped build does not even evaluate the arguments: no side effect of a trace or an
// assertion happens there.
TEST(TraceTest, ArgumentsAreEvaluatedInDiagnosticBuildsOnly)
{
    int n = 0;
    TRACE("%d\n", ++n);
    ASSERT(++n > 0);
    EXPECT_EQ(FRAMEWORK_DIAGNOSTICS ? 2 : 0, n);
}
