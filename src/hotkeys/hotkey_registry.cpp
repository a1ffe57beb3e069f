// Placeholder until this part is built.
#include "hotkeys/hotkey_registry.h"

std::int32_t RegisterGlobalHotkey(os::Hwnd, std::uint32_t, std::uint32_t, os::WndProc) { return 0; }
os::LResult OS_CALLBACK HotkeyWndProc(os::Hwnd, std::uint32_t, os::WParam, os::LParam) { return 0; }
