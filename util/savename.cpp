#include "util/savename.h"

#include <windows.h>
#include <cstring>
#include <string>

namespace {

bool IsSeparator(char ch)
{
    return ch == '/' || ch == '\\' || ch == ':';
}

// What Windows refuses in a file name: the control bytes and < > : " / \ | ? *.
bool IsForbidden(BYTE ch)
{
    return ch < 0x20 || strchr("<>:\"/\\|?*", ch) != NULL;
}

// A double-byte character's second byte may be the code of "\" or "|": such a byte is part
// of the character, so the text is walked character by character. Calls onChar(i, nBytes)
// for each character at i.
template <typename Fn> void ForEachChar(const CString& str, Fn onChar)
{
    for (int i = 0; i < str.GetLength(); ++i) {
        bool bDouble = IsDBCSLeadByte(static_cast<BYTE>(str.GetAt(i))) && i + 1 < str.GetLength();
        onChar(i, bDouble ? 2 : 1);
        if (bDouble)
            ++i;
    }
}

// The text after the last separator, all of it when there is none.
CString AfterLastSeparator(const CString& strUrl)
{
    int nCut = -1;
    ForEachChar(strUrl, [&](int i, int nBytes) {
        if (nBytes == 1 && IsSeparator(strUrl.GetAt(i)))
            nCut = i;
    });
    return strUrl.Mid(nCut + 1);
}

// Forbidden characters become "_"; trailing dots and blanks, which Windows drops from a
// name, go.
std::string Sanitised(const CString& strName)
{
    std::string name;
    ForEachChar(strName, [&](int i, int nBytes) {
        char ch = strName.GetAt(i);
        name += nBytes == 1 && IsForbidden(static_cast<BYTE>(ch)) ? '_' : ch;
        if (nBytes == 2)
            name += strName.GetAt(i + 1);
    });
    // No trail byte is a dot or a blank: the last character stays whole.
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name;
}

// CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9 open a device, in any case and whatever
// extension follows.
bool IsDeviceName(const std::string& name)
{
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    for (const char* pszDevice : kDevices)
        if (_stricmp(base.c_str(), pszDevice) == 0)
            return true;
    return base.size() == 4 && (_strnicmp(base.c_str(), "COM", 3) == 0 || _strnicmp(base.c_str(), "LPT", 3) == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

} // namespace

CString ProposedSaveName(const CString& strUrl, const char* pszDefault)
{
    if (strUrl.Find('/', 1) < 0)
        return CString(pszDefault);
    std::string name = Sanitised(AfterLastSeparator(strUrl));
    return IsDeviceName(name) ? CString(pszDefault) : CString(name);
}
