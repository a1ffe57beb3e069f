// The os:: calls for windows, messages, the cursor, synthesized mouse input, timers and waits.
#include <windows.h>

#include <string>

#include "runtime/os.h"
#include "runtime/win32/gbk.h"

static_assert(os::msg::kSetText == WM_SETTEXT);
static_assert(os::msg::kClose == WM_CLOSE);
static_assert(os::msg::kQuit == WM_QUIT);
static_assert(os::msg::kContextMenu == WM_CONTEXTMENU);
static_assert(os::msg::kKeyDown == WM_KEYDOWN);
static_assert(os::msg::kKeyUp == WM_KEYUP);
static_assert(os::msg::kChar == WM_CHAR);
static_assert(os::msg::kSysKeyDown == WM_SYSKEYDOWN);
static_assert(os::msg::kSysKeyUp == WM_SYSKEYUP);
static_assert(os::msg::kTimer == WM_TIMER);
static_assert(os::msg::kMouseMove == WM_MOUSEMOVE);
static_assert(os::msg::kLButtonDown == WM_LBUTTONDOWN);
static_assert(os::msg::kLButtonUp == WM_LBUTTONUP);
static_assert(os::msg::kLButtonDblClk == WM_LBUTTONDBLCLK);
static_assert(os::msg::kRButtonDown == WM_RBUTTONDOWN);
static_assert(os::msg::kRButtonUp == WM_RBUTTONUP);
static_assert(os::msg::kRButtonDblClk == WM_RBUTTONDBLCLK);
static_assert(os::msg::kMButtonDown == WM_MBUTTONDOWN);
static_assert(os::msg::kMButtonUp == WM_MBUTTONUP);
static_assert(os::msg::kMButtonDblClk == WM_MBUTTONDBLCLK);
static_assert(os::msg::kMouseWheel == WM_MOUSEWHEEL);
static_assert(os::msg::kHotkey == WM_HOTKEY);

static_assert(os::mouse::kLeftDown == MOUSEEVENTF_LEFTDOWN);
static_assert(os::mouse::kLeftUp == MOUSEEVENTF_LEFTUP);
static_assert(os::mouse::kRightDown == MOUSEEVENTF_RIGHTDOWN);
static_assert(os::mouse::kRightUp == MOUSEEVENTF_RIGHTUP);
static_assert(os::mouse::kMiddleDown == MOUSEEVENTF_MIDDLEDOWN);
static_assert(os::mouse::kMiddleUp == MOUSEEVENTF_MIDDLEUP);

static_assert(os::wait::kObject0 == WAIT_OBJECT_0);
static_assert(os::wait::kTimeout == WAIT_TIMEOUT);
static_assert(os::wait::kFailed == WAIT_FAILED);
static_assert(os::wait::kInfinite == INFINITE);
static_assert(os::wait::kAllInput == (QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT |
                                       QS_SENDMESSAGE | QS_HOTKEY));
static_assert(os::wait::kInputAvailable == MWMO_INPUTAVAILABLE);

static_assert(sizeof(os::WParam) == sizeof(WPARAM) && sizeof(os::LParam) == sizeof(LPARAM));
static_assert(sizeof(os::LResult) == sizeof(LRESULT));

namespace os {
namespace {
HWND Native(Hwnd window) { return reinterpret_cast<HWND>(window); }
Hwnd Ours(HWND window) { return reinterpret_cast<Hwnd>(window); }
HANDLE Native(Handle handle) { return reinterpret_cast<HANDLE>(handle); }
}  // namespace

Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter, const char* className, const char* title) {
    // Null and empty are different searches: null matches any title, empty only an empty one.
    std::wstring wideClass = className ? win::Widen(className) : std::wstring();
    std::wstring wideTitle = title ? win::Widen(title) : std::wstring();
    return Ours(::FindWindowExW(Native(parent), Native(childAfter), className ? wideClass.c_str() : nullptr,
                                title ? wideTitle.c_str() : nullptr));
}

Hwnd GetDlgItem(Hwnd window, int id) { return Ours(::GetDlgItem(Native(window), id)); }
Hwnd GetDesktopWindow() { return Ours(::GetDesktopWindow()); }
bool IsWindow(Hwnd window) { return ::IsWindow(Native(window)) != FALSE; }

bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    return ::PostMessageW(Native(window), message, wParam, lParam) != FALSE;
}

LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
    return ::SendMessageW(Native(window), message, wParam, lParam);
}

bool SendTextTimeout(Hwnd window, const char* text, std::uint32_t timeoutMs) {
    std::wstring wide = text ? win::Widen(text) : std::wstring();
    auto lParam = text ? reinterpret_cast<LPARAM>(wide.c_str()) : LPARAM{0};
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(Native(window), WM_SETTEXT, 0, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

bool ClientToScreen(Hwnd window, Point& point) {
    POINT native{point.x, point.y};
    if (!::ClientToScreen(Native(window), &native)) return false;
    point = {native.x, native.y};
    return true;
}

bool SetCursorPos(Point point) { return ::SetCursorPos(point.x, point.y) != FALSE; }

bool GetCursorPos(Point& point) {
    POINT native{};
    if (!::GetCursorPos(&native)) return false;
    point = {native.x, native.y};
    return true;
}

void MouseEvent(std::uint32_t flags) { ::mouse_event(flags, 0, 0, 0, 0); }
std::uint32_t GetDoubleClickTime() { return ::GetDoubleClickTime(); }
std::uint32_t GetTickCount() { return ::GetTickCount(); }

std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t periodMs, TimerProc proc) {
    return ::SetTimer(Native(window), id, periodMs, reinterpret_cast<TIMERPROC>(proc));
}

Handle CreateWaitableTimer() { return reinterpret_cast<Handle>(::CreateWaitableTimerW(nullptr, FALSE, nullptr)); }

bool SetWaitableTimer(Handle timer, std::int64_t dueTime100ns) {
    LARGE_INTEGER due;
    due.QuadPart = dueTime100ns;
    return ::SetWaitableTimer(Native(timer), &due, 0, nullptr, nullptr, FALSE) != FALSE;
}

void CloseHandle(Handle handle) { ::CloseHandle(Native(handle)); }

std::uint32_t MsgWaitForMultipleObjectsEx(std::uint32_t count, const Handle* handles, std::uint32_t timeoutMs,
                                          std::uint32_t wakeMask, std::uint32_t flags) {
    return ::MsgWaitForMultipleObjectsEx(count, reinterpret_cast<const HANDLE*>(handles), timeoutMs, wakeMask, flags);
}

bool SetProcessWorkingSetSize(std::intptr_t minimum, std::intptr_t maximum) {
    return ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(minimum),
                                      static_cast<SIZE_T>(maximum)) != FALSE;
}

void MessageBeep() { ::MessageBeep(MB_OK); }

}  // namespace os
