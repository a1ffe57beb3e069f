#pragma once
#include <cstdint>

#include "runtime/os.h"

// Returns the new id (1 or more), or 0 when the system refused the key.
std::int32_t RegisterGlobalHotkey(os::Hwnd window, std::uint32_t modifiers, std::uint32_t virtualKey,
                                  os::WndProc handler);
os::LResult OS_CALLBACK HotkeyWndProc(os::Hwnd window, std::uint32_t message, os::WParam wParam, os::LParam lParam);
