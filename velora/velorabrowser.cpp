#include "velora/velorabrowser.h"

IMPLEMENT_DYNCREATE(CVeloraBrowser, CView)

void CVeloraBrowser::OnDraw(HDC)
{
}
