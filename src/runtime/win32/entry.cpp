#include <windows.h>

#include "runtime/win32/message_loop.h"

int StartRoutine();

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const int result = StartRoutine();
    win::EndProgram();
    return result;
}
