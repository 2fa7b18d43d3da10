#ifndef FRAMEWORK_DIALOG_H
#define FRAMEWORK_DIALOG_H
// A dialog from a dialog template resource, modal (DoModal) or modeless (Create).
//
// DoModal runs the framework's own modal loop: each message is offered to
// PreTranslateMessage up the window chain, and the dialog's own PreTranslateMessage
// does the dialog keyboard handling (IsDialogMessage), so a dialog that overrides it
// decides whether Enter and Tab reach the dialog manager. The owner is disabled while
// the dialog runs; EndDialog hides the dialog and gives the owner back at once, so a
// dialog that ends itself and then runs another leaves nothing disabled behind it.
// A modal dialog opens centred on its owner unless its OnInitDialog placed it.
#include "framework/wnd.h"

struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Attaches rControl to the dialog's control nIDC (once; later exchanges do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Centres a modal window on its owner while the owner is shown, else on the work area
// of its screen; either way it is kept inside that work area.
void AfxCentreModal(HWND hWnd);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    // The button that ended the dialog (IDOK, IDCANCEL, ...); -1 when it could not be shown.
    virtual INT_PTR DoModal();
    // A modeless dialog owned by pParentWnd (or the parent given to the constructor).
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Keyboard messages of the dialog and its controls go to the dialog manager.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Before the controls are initialised (before OnInitDialog).
    virtual void PreInitDialog();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(UINT nID, UINT nCode, HWND hWndCtl) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    BOOL CreateFromTemplate(HWND hOwner);
    void PlaceModal(const RECT& rcTemplate);
    void RunModalLoop();
    void ReleaseOwner();
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    HWND m_hDisabledOwner = NULL;
    BOOL m_bModal = FALSE; // being created by DoModal
    BOOL m_bEndModal = FALSE;
    INT_PTR m_nModalResult = -1;
};

#endif
