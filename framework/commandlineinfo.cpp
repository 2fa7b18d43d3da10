#include "framework/commandlineinfo.h"

#include <string.h>

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag) {
        if (_stricmp(pszParam, "p") == 0)
            m_nShellCommand = FilePrint;
        else if (_stricmp(pszParam, "pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (_stricmp(pszParam, "dde") == 0)
            m_nShellCommand = FileDDE;
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    }
}
