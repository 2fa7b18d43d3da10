#ifndef TESTS_SUPPORT_GDIPLUSSESSION_H
#define TESTS_SUPPORT_GDIPLUSSESSION_H

// OLE and GDI+ started for the whole test program, as the programs start them in
// their application object. Without OLE, Wine's first image decode in a process
// waits about 10 seconds. Register with
// ::testing::AddGlobalTestEnvironment(new CGdiplusSession).

#include <windows.h>
#include <ole2.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

class CGdiplusSession : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_bOle = SUCCEEDED(OleInitialize(nullptr));
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&m_token, &input, nullptr));
    }
    void TearDown() override
    {
        if (m_token)
            Gdiplus::GdiplusShutdown(m_token);
        if (m_bOle)
            OleUninitialize();
    }

private:
    ULONG_PTR m_token = 0;
    bool m_bOle = false;
};

// A 3x2 PNG: red, green, blue over white, black, orange (255,128,0).
inline const char* TestPngBase64()
{
    return "iVBORw0KGgoAAAANSUhEUgAAAAMAAAACCAIAAAASFvFNAAAAFElEQVR4nGP4z8DAAMH//4PpBgYASMwHemg3FloAAAAASUVORK5CYII=";
}

#endif
