#include "framework/resources.h"

CString AfxLoadString(UINT nID)
{
    // LoadStringA with a zero length gives a read-only pointer to the text.
    const wchar_t* pText = NULL;
    int nLength = LoadStringW(GetModuleHandleA(NULL), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    if (nLength <= 0 || !pText)
        return CString();
    return CString(std::wstring(pText, static_cast<size_t>(nLength)).c_str());
}

CString AfxExtractSubString(const CString& strFull, int nIndex)
{
    const std::string& str = strFull.Str();
    size_t nStart = 0;
    for (int i = 0; i < nIndex; ++i) {
        nStart = str.find('\n', nStart);
        if (nStart == std::string::npos)
            return CString();
        ++nStart;
    }
    size_t nEnd = str.find('\n', nStart);
    return CString(str.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart));
}

HICON AfxLoadIcon(UINT nID)
{
    return LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(nID));
}
