// A stand-in for a system DLL planted beside a program or in the current folder: copied under a
// system DLL's name, it shows by its one export that it, not the system's DLL, was loaded.
#include <windows.h>

extern "C" __declspec(dllexport) int TocklyPlantedDll() {
    return 1;
}
