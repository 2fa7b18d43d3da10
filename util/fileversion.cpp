#include "util/fileversion.h"

#include "framework/trace.h"
#include "util/paths.h"

#include <cstdio>
#include <vector>

namespace {

// One entry of "\VarFileInfo\Translation".
struct LangCodePage {
    WORD wLanguage;
    WORD wCodePage;
};

CString LookUpFileVersion(const void* pBlock, const LangCodePage& translation)
{
    char szKey[200] = {};
    snprintf(szKey, sizeof(szKey), "\\StringFileInfo\\%04x%04x\\FileVersion", translation.wLanguage,
             translation.wCodePage);
    char* pszValue = NULL;
    UINT nLength = 0;
    if (!VerQueryValueA(pBlock, szKey, reinterpret_cast<void**>(&pszValue), &nLength) || !pszValue)
        return CString();
    // The length counts the terminator when there is one; never read past it.
    while (nLength > 0 && pszValue[nLength - 1] == '\0')
        --nLength;
    return CString(pszValue, static_cast<int>(nLength));
}

} // namespace

CString GetFileVersion(const char* pszPath)
{
    CString strPath = pszPath ? CString(pszPath) : GetModulePath();
    TRACE("XXXXXXXX> %s", strPath.GetString());

    DWORD dwHandle = 0;
    DWORD dwSize = GetFileVersionInfoSizeA(strPath, &dwHandle);
    if (dwSize == 0)
        return CString("None VerSion Supprot");

    std::vector<char> block(dwSize, '\0');
    if (!GetFileVersionInfoA(strPath, 0, dwSize, block.data()))
        return CString();

    LangCodePage* pTranslations = NULL;
    UINT nBytes = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslations),
                        &nBytes) ||
        !pTranslations)
        return CString();

    CString strVersion;
    for (UINT i = 0; i < nBytes / sizeof(LangCodePage); ++i)
        strVersion += LookUpFileVersion(block.data(), pTranslations[i]);
    return strVersion;
}
