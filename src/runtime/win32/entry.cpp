#include <windows.h>

int StartRoutine();

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return StartRoutine(); }
