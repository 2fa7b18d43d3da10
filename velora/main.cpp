#include "framework/winapp.h"
#include "velora/veloraapp.h"

#include <windows.h>

// The one application object, made before the program's entry point runs.
static CVeloraApp theApp;

// The process ends without running static destructors: a worker thread terminated
// at exit may have died holding what they would free.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ExitProcess(static_cast<UINT>(AfxWinMain()));
}
