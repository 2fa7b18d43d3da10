#include "velora/velorabrowser.h"

IMPLEMENT_DYNCREATE(CVeloraBrowser, CView)

BOOL CVeloraBrowser::Navigate2(const char* lpszURL, DWORD, const char*, const char*, const void*, DWORD)
{
    m_strLastUrl = lpszURL;
    return TRUE;
}

void CVeloraBrowser::OnDraw(HDC)
{
}
