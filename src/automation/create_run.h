#pragma once
#include <cstdint>

#include "runtime/os.h"

void CreateRun();
void DeleteRun();
// The stop button and F4: the run in progress stops at its next poll.
void RequestStop();

// Window-procedure-shaped handlers for RegisterGlobalHotkey: F3 -> CreateRun, F4 -> RequestStop.
os::LResult OS_CALLBACK CreateRunOnHotkey(os::Hwnd, std::uint32_t, os::WParam, os::LParam);
os::LResult OS_CALLBACK RequestStopOnHotkey(os::Hwnd, std::uint32_t, os::WParam, os::LParam);
