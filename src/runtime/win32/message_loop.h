#pragma once
// The runtime's one path for a message taken off the queue, shared by the program's loop, the
// modal loops and the waits that pump messages.
#include <windows.h>

namespace win {

// Makes a modal form with Esc the window whose dialog keys the path handles, until the matching pop.
void PushDialogWindow(HWND window);
void PopDialogWindow(HWND window);

void DispatchTaken(MSG& message);

// Runs the thread's messages until `window` is gone or the program is ending.
void RunModalLoop(HWND window);

// The orderly end: runs the exit routine if it has not run yet.
void EndProgram();

}  // namespace win
