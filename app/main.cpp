#include <windows.h>

#include "app/CkadomirApp.h"

// The one application object, made before the program starts.
CkadomirApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return theApp.Run(); }
