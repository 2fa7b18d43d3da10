#ifndef FRAMEWORK_COMMANDLINEINFO_H
#define FRAMEWORK_COMMANDLINEINFO_H
// What the program's command line asks for: a new document (no arguments), a file to
// open, or one of the shell's print and DDE requests.
#include "framework/cstring.h"

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, FileNothing = -1 };
    virtual ~CCommandLineInfo() = default;
    // One argument; bFlag when it began with "/" or "-" (which is stripped).
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    int m_nShellCommand = FileNew;
    CString m_strFileName;
};

#endif
