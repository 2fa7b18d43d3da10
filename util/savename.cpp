#include "util/savename.h"

#include <windows.h>

namespace {

bool IsSeparator(char ch)
{
    return ch == '/' || ch == '\\' || ch == ':';
}

// "", ".", ".." and the like name no file.
bool IsOnlyDots(const CString& strName)
{
    for (int i = 0; i < strName.GetLength(); ++i)
        if (strName.GetAt(i) != '.')
            return false;
    return true;
}

} // namespace

// A double-byte character's second byte may be 0x5C, the code of "\": such a byte is
// part of the character, never a separator.
CString ProposedSaveName(const CString& strUrl, const char* pszDefault)
{
    int nCut = -1;
    for (int i = 0; i < strUrl.GetLength(); ++i) {
        char ch = strUrl.GetAt(i);
        if (IsDBCSLeadByte(static_cast<BYTE>(ch)) && i + 1 < strUrl.GetLength())
            ++i;
        else if (IsSeparator(ch))
            nCut = i;
    }
    CString strName = nCut > 0 ? strUrl.Mid(nCut + 1) : CString();
    return IsOnlyDots(strName) ? CString(pszDefault) : strName;
}
