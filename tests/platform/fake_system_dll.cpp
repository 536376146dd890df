// A stand-in for a system DLL planted beside a program or in the current folder: copied under a
// system DLL's name, it shows by its one export that it, not the system's DLL, was loaded, and by
// an environment variable of the process that it was loaded at all (also when it was freed since).
#include <windows.h>

extern "C" __declspec(dllexport) int TocklyPlantedDll() {
    return 1;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ::SetEnvironmentVariableW(L"TOCKLY_PLANTED_DLL_LOADED", L"1");
    }
    return TRUE;
}
