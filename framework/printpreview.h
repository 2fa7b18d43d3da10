#ifndef FRAMEWORK_PRINTPREVIEW_H
#define FRAMEWORK_PRINTPREVIEW_H
// A print job's current page on the screen: a modal window over the frame that shows the
// page, recorded against the printer, scaled to fit, with "打印" to ask for the page to be
// printed and "关闭" to close.
#include "framework/stdctrls.h"
#include "framework/wnd.h"

class CPrintPreviewWnd : public CWnd {
public:
    // hPage: the page as recorded, kept by the caller; sizePage: the page's size (any unit),
    // which gives its shape on the screen.
    CPrintPreviewWnd(HENHMETAFILE hPage, SIZE sizePage);
    // Covers pOwner, which is disabled meanwhile. ID_FILE_PRINT when "打印" was pressed,
    // IDCANCEL when the window was closed, -1 when it could not be shown.
    INT_PTR DoModal(CWnd* pOwner);
    BOOL OnCmdMsg(UINT nID) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    BOOL OnEraseBkgnd(HDC hDC) override;
    void OnPaint() override;

private:
    void End(INT_PTR nResult);
    // The page's place in the client area: as large as fits below the buttons.
    RECT PageRect() const;

    HENHMETAFILE m_hPage;
    SIZE m_sizePage;
    CButton m_btnPrint;
    CButton m_btnClose;
    BOOL m_bEnd = FALSE;
    INT_PTR m_nResult = -1;
};

#endif
