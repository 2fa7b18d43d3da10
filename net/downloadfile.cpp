#include "net/downloadfile.h"

#include <windows.h>
#include <algorithm>

namespace {

// The target's folder with its separator, "." when the path names none. Trail bytes of
// double-byte characters are skipped by ReverseFind, so the cut is never inside one.
CString FolderOf(const CString& strPath)
{
    int nCut = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    return nCut >= 0 ? strPath.Left(nCut + 1) : CString(".");
}

// An existing target is tried for writing, without changing it, before anything is
// fetched: one that another program holds, or a read-only one, is reported at once.
bool IsReplaceable(const CString& strTarget)
{
    DWORD dwAttributes = GetFileAttributesA(strTarget);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return true;
    CFile probe;
    return !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY) && probe.Open(strTarget, CFile::modeWrite | CFile::shareDenyNone);
}

} // namespace

CDownloadFile::~CDownloadFile()
{
    Discard();
}

BOOL CDownloadFile::Open(UINT nShareMode)
{
    Discard();
    char szTemp[MAX_PATH] = "";
    if (!IsReplaceable(m_strTarget) || !GetTempFileNameA(FolderOf(m_strTarget), "vdl", 0, szTemp))
        return FALSE;
    m_strTemp = szTemp;
    if (m_file.Open(m_strTemp, CFile::modeCreate | CFile::modeWrite | nShareMode))
        return TRUE;
    Discard();
    return FALSE;
}

BOOL CDownloadFile::Commit()
{
    if (m_strTemp.IsEmpty())
        return FALSE;
    m_file.Close();
    if (!MoveFileExA(m_strTemp, m_strTarget, MOVEFILE_REPLACE_EXISTING)) {
        Discard();
        return FALSE;
    }
    m_strTemp.Empty();
    return TRUE;
}

void CDownloadFile::Discard()
{
    m_file.Close();
    if (!m_strTemp.IsEmpty())
        DeleteFileA(m_strTemp);
    m_strTemp.Empty();
}
