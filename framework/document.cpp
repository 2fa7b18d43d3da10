#include "framework/document.h"

#include "framework/archive.h"
#include "framework/file.h"
#include "framework/messagebox.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace {

void ReportFailure(const char* pszFormat, const char* lpszPathName)
{
    CString strText;
    strText.Format(pszFormat, lpszPathName);
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    return TRUE;
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnOpenDocument(const char* lpszPathName)
{
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite)) {
        ReportFailure("无法打开文件 %s。", lpszPathName);
        return FALSE;
    }
    DeleteContents();
    if (file.GetLength() != 0) {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        if (ar.IsFailed()) {
            ReportFailure("文件 %s 不完整或格式不对，无法读取。", lpszPathName);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CDocument::WriteTo(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        return FALSE;
    CArchive ar(&file, CArchive::store);
    Serialize(ar);
    return !ar.IsFailed() && file.Flush();
}

BOOL CDocument::OnSaveDocument(const char* lpszPathName)
{
    CString strTarget(lpszPathName);
    CString strTemp = strTarget + ".new";
    BOOL bOk = WriteTo(strTemp) && MoveFileExA(strTemp, strTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bOk) {
        DeleteFileA(strTemp);
        ReportFailure("无法保存文件 %s。", lpszPathName);
        return FALSE;
    }
    return TRUE;
}

BOOL CDocument::DoSave(const char* lpszPathName, BOOL bReplace)
{
    CString strPath(lpszPathName ? lpszPathName : m_strPathName.GetString());
    if (strPath.IsEmpty() || !OnSaveDocument(strPath))
        return FALSE;
    if (bReplace)
        SetPathName(strPath);
    return TRUE;
}

void CDocument::SetPathName(const char* lpszPathName)
{
    m_strPathName = lpszPathName;
    // Walk by characters: a trail byte of a code-page-936 character may equal '\\'.
    const char* pszName = lpszPathName;
    for (const char* p = lpszPathName; *p; p = CharNextA(p)) {
        if (*p == '\\')
            pszName = p + 1;
    }
    m_strTitle = pszName;
}
