#include "framework/winapp.h"
#include "velora/veloraapp.h"

#include <windows.h>

// The one application object, made before the program's entry point runs.
static CVeloraApp theApp;

// The process ends without running static destructors: worker threads still running
// at exit may be using what they would free.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ExitProcess(static_cast<UINT>(AfxWinMain()));
}
