#include "velora/layeredapi.h"

namespace {

PFN_LAYEREDLOOKUP g_pfnLookup = NULL;

// User32 stays loaded for the whole process (every window needs it), so the address
// outlives the library reference dropped here.
FARPROC LookUp(LPCSTR pszName)
{
    HMODULE hUser32 = LoadLibraryA("User32.DLL");
    if (!hUser32)
        return NULL;
    FARPROC pfn = g_pfnLookup ? g_pfnLookup(hUser32, pszName) : GetProcAddress(hUser32, pszName);
    FreeLibrary(hUser32);
    return pfn;
}

} // namespace

PFN_UPDATELAYEREDWINDOW LookUpUpdateLayeredWindow()
{
    return reinterpret_cast<PFN_UPDATELAYEREDWINDOW>(reinterpret_cast<void*>(LookUp("UpdateLayeredWindow")));
}

PFN_SETLAYEREDWINDOWATTRIBUTES LookUpSetLayeredWindowAttributes()
{
    return reinterpret_cast<PFN_SETLAYEREDWINDOWATTRIBUTES>(
        reinterpret_cast<void*>(LookUp("SetLayeredWindowAttributes")));
}

PFN_LAYEREDLOOKUP SetLayeredLookup(PFN_LAYEREDLOOKUP pfnLookup)
{
    PFN_LAYEREDLOOKUP pfnBefore = g_pfnLookup;
    g_pfnLookup = pfnLookup;
    return pfnBefore;
}
