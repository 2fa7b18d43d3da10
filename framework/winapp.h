#ifndef FRAMEWORK_WINAPP_H
#define FRAMEWORK_WINAPP_H
// The application object: the program creates exactly one, statically. AfxWinMain runs
// InitInstance, the message loop (Run) and ExitInstance. It owns the document templates.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"
#include "framework/recentfilelist.h"

#include <commdlg.h>
#include <memory>
#include <vector>

class CWnd;
class CDocTemplate;
class CDocument;
class CCommandLineInfo;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The exit code of the program: the WM_QUIT code that ended Run.
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result.
    virtual int Run();
    // Offers a message to the window it is for and that window's ancestors.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    void SetRegistryKey(const char* lpszRegistryKey);
    // Reads the list of the nMaxMRU files opened last, kept under
    // HKEY_CURRENT_USER\Software\<registry key>\<application title>\Recent File List;
    // ExitInstance writes it back. Without a registry key no list is kept.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // Writes that list now.
    void SaveStdProfileSettings();
    // The session is ending and the main window is gone: the exit operation runs now,
    // as the system may end the process once the session-end message returns. Run then
    // ends without running it again and returns its result.
    void ExitForSessionEnd();
    void AddToRecentFileList(const char* lpszPathName);
    // NULL while no list is kept.
    const CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
    // The application takes ownership of pTemplate.
    void AddDocTemplate(CDocTemplate* pTemplate);
    // NULL when there is no template.
    CDocTemplate* GetFirstDocTemplate() const;
    void EnableShellOpen();
    // Registers each template's file extension and type for the current user;
    // bCompat adds the print and print-to commands.
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE when the command failed, and after printing: the shell's print command opens
    // the document without showing it, prints it and ends the program.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual CDocument* OpenDocumentFile(const char* lpszFileName);

    // The framework's command handlers; an application routes the commands it offers to
    // them from its OnCmdMsg.
    void OnFileNew();
    // The platform's open dialog, for the first template's files; the chosen file is
    // opened as the document.
    void OnFileOpen();
    // The platform's print set-up dialog; the printer chosen there serves later prints.
    void OnFilePrintSetup();
    // Opens the application's help file: the executable's path ending in ".chm".
    void OnHelp();

    // The platform's print dialog on the application's printer choice, which then keeps
    // whatever the dialog returns; pPD's device handles are the application's.
    BOOL DoPrintDialog(PRINTDLGA* pPD);
    // A device context of the printer chosen last, else of the default printer; NULL
    // (and nothing shown) when there is none. The caller deletes it.
    HDC CreatePrinterDC();

    // Set by the document template before the main frame is first shown; any thread
    // reads it through AfxGetMainWnd.
    CWnd* m_pMainWnd = NULL;
    CString m_strRegistryKey;
    UINT m_nMaxMRU = 0;
    BOOL m_bShellOpen = FALSE;
    int m_nExitCode = 0;

private:
    void RegisterFileType(CDocTemplate* pTemplate, BOOL bCompat);
    void PrintShellFile(const char* lpszFileName);
    std::vector<CDocTemplate*> m_templates;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    BOOL m_bExited = FALSE;
    HGLOBAL m_hDevMode = NULL;
    HGLOBAL m_hDevNames = NULL;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The owner of a box or dialog shown modally on this thread without a parent of its
// own: on the UI thread the main window, or the popup last active over it (which stays
// disabled while the box runs, so nothing closes it under the handler that shows the
// box); NULL on other threads and when there is no main window.
HWND AfxGetModalOwner();
// OLE for this (the UI) thread; FALSE on failure.
BOOL AfxOleInit();
// Control hosting needs no process-wide set-up here: each host window connects its
// controls itself. Kept so start-up reads as the steps it takes.
void AfxEnableControlContainer();
// The program's whole life: InitInstance, Run, ExitInstance; the result is the exit code.
int AfxWinMain();

#endif
