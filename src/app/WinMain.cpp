// Program entry: the tray program, from the one-instance test to the exit code.
#include <windows.h>

#include "app/VesperalApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return VesperalMain(instance); }
