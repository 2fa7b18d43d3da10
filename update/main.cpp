#include "framework/winapp.h"
#include "update/updateapp.h"

#include <windows.h>

// The one application object, made before the program's entry point runs.
static CUpdateApp theApp;

// The process ends with the flow: download workers that still run end with it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ExitProcess(static_cast<UINT>(AfxWinMain()));
}
