#ifndef FRAMEWORK_DIALOG_H
#define FRAMEWORK_DIALOG_H
// A modal dialog from a dialog template resource. DoModal runs the framework's own modal
// loop, which offers each message to PreTranslateMessage up the window chain before the
// dialog's keyboard handling, with the owner disabled meanwhile.
#include "framework/wnd.h"

struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    // The button that ended the dialog (IDOK, IDCANCEL, ...); -1 when it could not be shown.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    void RunModalLoop();
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    BOOL m_bEndModal = FALSE;
    INT_PTR m_nModalResult = -1;
};

#endif
