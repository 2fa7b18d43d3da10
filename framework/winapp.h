#ifndef FRAMEWORK_WINAPP_H
#define FRAMEWORK_WINAPP_H
// The application object: the program creates exactly one, statically. AfxWinMain runs
// InitInstance, the message loop (Run) and ExitInstance. It owns the document templates.
#include "framework/cmdtarget.h"
#include "framework/cstring.h"
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
    BOOL OnCmdMsg(UINT nID) override;

    void SetRegistryKey(const char* lpszRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // The application takes ownership of pTemplate.
    void AddDocTemplate(CDocTemplate* pTemplate);
    // NULL when there is no template.
    CDocTemplate* GetFirstDocTemplate() const;
    void EnableShellOpen();
    // Registers each template's file extension and type for the current user;
    // bCompat adds the print and print-to commands.
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    virtual CDocument* OpenDocumentFile(const char* lpszFileName);
    void OnFileNew();

    // Set by the document template before the main frame is first shown; any thread
    // reads it through AfxGetMainWnd.
    CWnd* m_pMainWnd = NULL;
    CString m_strRegistryKey;
    UINT m_nMaxMRU = 0;
    BOOL m_bShellOpen = FALSE;
    int m_nExitCode = 0;

private:
    void RegisterFileType(CDocTemplate* pTemplate, BOOL bCompat);
    std::vector<CDocTemplate*> m_templates;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// OLE for this (the UI) thread; FALSE on failure.
BOOL AfxOleInit();
// Control hosting needs no process-wide set-up here: each host window connects its
// controls itself. Kept so start-up reads as the steps it takes.
void AfxEnableControlContainer();
// The program's whole life: InitInstance, Run, ExitInstance; the result is the exit code.
int AfxWinMain();

#endif
