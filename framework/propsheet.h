#ifndef FRAMEWORK_PROPSHEET_H
#define FRAMEWORK_PROPSHEET_H
// A modal property sheet (here: a wizard) and its pages.
//
// Design note: the system's property sheet creates the sheet's dialog inside
// PropertySheet, so the sheet is attached by the creation hook like any window. It
// creates each page later, when the page is first shown, after every creation scope of
// ours has closed: a page attaches itself (Attach) in its dialog procedure at
// WM_INITDIALOG, whose lParam is the page record carrying the object. Before that the
// dialog manager handles the page's few messages alone. The sheet tells its pages of
// activation and of the wizard buttons by WM_NOTIFY (PSN_*); a page answers through its
// window procedure's result. How the wizard ended is learnt from PSN_WIZFINISH, since
// PropertySheet's own result does not tell Finish from other endings everywhere. A
// wizard's title bar keeps the sheet's caption on every page. The sheet opens centred,
// as a modal dialog does, and in a program without a main window it is the main window
// while it runs, so the boxes shown meanwhile belong to it.
#include "framework/dialog.h"

#include <commctrl.h>
#include <prsht.h>
#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate);

    // The page record handed to the system; PSP_HASHELP and the like may be changed
    // before the sheet runs.
    PROPSHEETPAGEA m_psp = {};

    // The sheet is activating the page; FALSE refuses the activation.
    virtual BOOL OnSetActive();
    // Finish was pressed on this page; FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();
    CPropertySheet* GetSheet() const { return m_pSheet; }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // A page never ends itself: the sheet's buttons end the sheet.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    CPropertySheet* m_pSheet = NULL;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet(const char* pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // The header handed to the system; its flags may be changed before DoModal.
    PROPSHEETHEADERA m_psh = {};

    // The page stays the caller's; it must outlive the sheet's run.
    void AddPage(CPropertyPage* pPage);
    void SetWizardMode();
    void SetActivePage(int nPage);
    // PSWIZB_* flags.
    void SetWizardButtons(DWORD dwFlags);
    // ID_WIZFINISH when the wizard ended with Finish, IDCANCEL for any other ending
    // (Cancel, the close box), -1 when it could not be shown.
    INT_PTR DoModal();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CPropertyPage;
    // Gives the main window's place back, before the framework would take the sheet's end
    // for the program's end.
    void LeaveMainWindow();
    CString m_strCaption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
    BOOL m_bFinished = FALSE;
};

#endif
