// A program for the process chooser tests to find in the list: it waits until it is ended (or a
// minute has passed, so that none is left behind).

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ::Sleep(60 * 1000);
    return 0;
}
