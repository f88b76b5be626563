#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "Random.h"
#include "Win32Form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
    // The game has no command line: it plays the same whatever it is started with.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // COM, for the open dialog's shell and the screen reader's live region.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ClockRandom random;
    Win32Form1 window(instance, random);
    return window.run(show);
}
