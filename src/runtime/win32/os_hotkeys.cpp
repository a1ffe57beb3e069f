#include <windows.h>

#include <type_traits>

#include "runtime/os.h"

static_assert(os::msg::kHotkey == WM_HOTKEY);
static_assert(sizeof(os::WParam) == sizeof(WPARAM) && std::is_unsigned_v<os::WParam> == std::is_unsigned_v<WPARAM>);
static_assert(sizeof(os::LParam) == sizeof(LPARAM) && sizeof(os::LResult) == sizeof(LRESULT));
static_assert(std::is_same_v<decltype(&DefWindowProcW), LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM)>);

namespace {
HWND Native(os::Hwnd window) { return reinterpret_cast<HWND>(window); }
// os::WndProc has WNDPROC's layout and calling convention; only the handle type differs.
WNDPROC Native(os::WndProc proc) { return reinterpret_cast<WNDPROC>(proc); }
}  // namespace

namespace os {

bool RegisterHotKey(Hwnd window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
    return ::RegisterHotKey(Native(window), id, modifiers, virtualKey) != FALSE;
}

bool UnregisterHotKey(Hwnd window, int id) { return ::UnregisterHotKey(Native(window), id) != FALSE; }

WndProc SetWindowProc(Hwnd window, WndProc proc) {
    LONG_PTR previous = ::SetWindowLongPtrW(Native(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Native(proc)));
    return reinterpret_cast<WndProc>(previous);
}

LResult CallWindowProc(WndProc proc, Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    // CallWindowProcW with no procedure fails and returns 0; the default handling is what the window lacked.
    if (!proc) return ::DefWindowProcW(Native(window), message, wParam, lParam);
    return ::CallWindowProcW(Native(proc), Native(window), message, wParam, lParam);
}

}  // namespace os
