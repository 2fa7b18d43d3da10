#ifndef TESTS_SUPPORT_DIALOGS_H
#define TESTS_SUPPORT_DIALOGS_H

// Answers the system dialogs of a process (this one or another) as a user would: message
// boxes by their buttons, the save dialog by typing a path into its file-name field.

#include <windows.h>
#include <string>

// A message box: a "#32770" window with the box's text static (id 0xFFFF) and no
// file-name field. Wizards and file dialogs are "#32770" windows too.
bool IsMessageBox(HWND hWnd);

// A message box's "caption|text".
std::string MessageBoxText(HWND hBox);

// The system icon a message box shows, as the screen shows it where the box's icon
// control stands: "exclamation", "question", "information", "error", "other" for a
// picture that is none of them, or "none" when the control holds no icon.
std::string MessageBoxIcon(HWND hBox);

// Waits for a visible message box of the process, presses nButton (IDOK, IDCANCEL) and
// returns "caption|text"; "" when none came in time. phOwner: receives the box's owner;
// pstrIcon: the icon it showed (MessageBoxIcon).
std::string AnswerMessageBox(DWORD dwProcessId, int nButton, DWORD dwTimeoutMs = 20000, HWND* phOwner = nullptr,
                             std::string* pstrIcon = nullptr);

// A visible save or open dialog of the process; NULL on time-out.
HWND WaitForFileDialog(DWORD dwProcessId, DWORD dwTimeoutMs = 20000);
// The text of its file-name field (the proposed name while nothing was typed).
std::string FileDialogName(HWND hDialog);
// Types the path into the file-name field and presses Save (or Open); true when the
// dialog then closed.
bool AnswerFileDialog(HWND hDialog, const std::string& strPath);
bool CancelFileDialog(HWND hDialog);

// Whether the platform's print dialog finds a default printer: tests that print expect
// none (the print dialogs then show the platform's "no printer" box instead).
bool HasDefaultPrinter();

#endif
