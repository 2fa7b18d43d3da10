#include "velora/customstatusbar.h"

#include "ctrl/skinimage.h"
#include "framework/dc.h"
#include "framework/filedialog.h"
#include "framework/messagebox.h"
#include "framework/resources.h"
#include "framework/trace.h"
#include "util/downloadthread.h"
#include "util/fileversion.h"
#include "util/savename.h"
#include "util/windowmessages.h"
#include "velora/resource.h"

#include <gdiplus.h>
#include <cstring>

IMPLEMENT_DYNAMIC(CCustomStatusBar, CStatusBar)

namespace {

const Gdiplus::Color kBackground(47, 140, 194);
const COLORREF kBackgroundRgb = RGB(47, 140, 194);
const Gdiplus::REAL kFontPixels = 12;
const int kTextX = 20, kTextY = 3;
// The progress box: the image, then room for the text; at this distance from the
// bar's right end.
const int kBoxTextRoom = 50;
const int kBoxFromRight = 70;
const char kFilter[] = "安卓安装包(*.apk)|*.apk|All Files (*.*)|*.*||";

// Text in the bar's font and colour at (x, y).
void DrawBarText(Gdiplus::Graphics& graphics, const CString& strText, int x, int y)
{
    Gdiplus::Font font(L"宋体", kFontPixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush(Gdiplus::Color(255, 255, 255));
    std::wstring text = strText.Wide();
    graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                        Gdiplus::PointF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y)), &brush);
}

} // namespace

CCustomStatusBar::~CCustomStatusBar()
{
    delete[] m_pszDownloadUrl;
}

LRESULT CCustomStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DOWNLOAD_PROGRESS:
        return OnDownloadProgress(reinterpret_cast<const char*>(lParam));
    case WM_DOWNLOAD_START:
        return OnDownloadRequest(reinterpret_cast<char*>(lParam));
    case WM_DOWNLOAD_DONE:
        return OnDownloadFinished(wParam);
    }
    return CStatusBar::WindowProc(message, wParam, lParam);
}

void CCustomStatusBar::OnPaint()
{
    m_strShownProgress.Empty();
    CPaintDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    COffscreenBuffer buffer(dc, rc.right, rc.bottom);
    if (!dc || !buffer.IsValid())
        return;
    {
        Gdiplus::Graphics graphics(buffer);
        Gdiplus::SolidBrush background(kBackground);
        graphics.FillRectangle(&background, 0, 0, rc.right, rc.bottom);
        DrawBarText(graphics, AfxLoadString(IDS_CLIENT_VERSION) + GetFileVersion(NULL), kTextX, kTextY);
    }
    buffer.CopyTo(dc);
}

CString CCustomStatusBar::DefaultFileName(const char* pszUrl)
{
    return ProposedSaveName(pszUrl, "velora");
}

LRESULT CCustomStatusBar::OnDownloadRequest(char* pszUrl)
{
    delete[] m_pszDownloadUrl;
    m_pszDownloadUrl = pszUrl;
    if (!m_pszDownloadUrl)
        return 0;
    // Another request may come in while the dialog is open and replace the held address.
    CString strUrl = m_pszDownloadUrl;
    CFileDialog dialog(FALSE, "apk", DefaultFileName(strUrl), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter, NULL);
    if (dialog.DoModal() != IDOK)
        return 0;
    m_strDownloadPath = dialog.GetPathName();
    StartDownload(strUrl, m_strDownloadPath, m_hWnd);
    return 0;
}

LRESULT CCustomStatusBar::OnDownloadProgress(const char* pszProgress)
{
    CString strProgress = pszProgress;
    TRACE("CCustomStatusBar::OnDownloadProgress > %s\n", strProgress.GetString());
    // The worker reports every 1,024 bytes; the box is drawn again only when its text
    // changes or a paint has taken it away.
    if (strProgress == m_strShownProgress)
        return 0;
    CClientDC dc(m_hWnd);
    RECT rc;
    GetClientRect(&rc);
    CSkinImage image("Skins/download.png");
    int cxBox = image.Width() + kBoxTextRoom, cyBox = image.Height();
    COffscreenBuffer buffer(dc, rc.right, rc.bottom);
    if (!dc || !buffer.IsValid())
        return 0;
    {
        CBrush background(kBackgroundRgb);
        RECT rcBox = {0, 0, cxBox, cyBox};
        FillRect(buffer, &rcBox, background);
        Gdiplus::Graphics graphics(buffer);
        image.Draw(graphics, 0, 0);
        DrawBarText(graphics, strProgress, image.Width(), kTextY);
    }
    buffer.CopyTo(dc, rc.right - kBoxFromRight, 1, cxBox, cyBox);
    m_strShownProgress = strProgress;
    return 0;
}

// The worker has shown its own box for a failed transfer: only a complete file is
// announced.
LRESULT CCustomStatusBar::OnDownloadFinished(WPARAM wParam)
{
    if (wParam == 0)
        AfxMessageBox("下载完成！", MB_OK);
    Invalidate(TRUE);
    return 0;
}
