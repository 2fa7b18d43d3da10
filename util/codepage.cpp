#include "util/codepage.h"

#include <vector>

namespace {

// Converts nLength bytes of pszText from one code page to UTF-16 (no terminator).
std::vector<wchar_t> ToWide(UINT nCodePage, const char* pszText, int nLength)
{
    std::vector<wchar_t> wide;
    if (nLength <= 0)
        return wide;
    int nUnits = MultiByteToWideChar(nCodePage, 0, pszText, nLength, NULL, 0);
    if (nUnits <= 0)
        return wide;
    wide.resize(nUnits);
    MultiByteToWideChar(nCodePage, 0, pszText, nLength, wide.data(), nUnits);
    return wide;
}

} // namespace

// The whole text is converted, however long: a value cut at a fixed buffer would
// reach the service silently shortened.
void AnsiToUtf8(CString& strText)
{
    std::vector<wchar_t> wide = ToWide(CP_ACP, strText.GetString(), strText.GetLength());
    CString strUtf8;
    if (!wide.empty()) {
        int nUnits = static_cast<int>(wide.size());
        int nBytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), nUnits, NULL, 0, NULL, NULL);
        if (nBytes > 0) {
            char* pszOut = strUtf8.GetBuffer(nBytes);
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), nUnits, pszOut, nBytes, NULL, NULL);
            strUtf8.ReleaseBuffer(nBytes);
        }
    }
    strText.Empty();
    strText += strUtf8;
}

void Utf8ToAnsi(CString& strText)
{
    std::vector<wchar_t> wide = ToWide(CP_UTF8, strText.GetString(), strText.GetLength());
    wide.push_back(L'\0');
    CString strAnsi(wide.data());
    strText.Empty();
    strText += strAnsi;
}
