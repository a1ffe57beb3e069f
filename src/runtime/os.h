#pragma once
// The operating-system calls the program makes, one function per call, with portable types.
// Logic never includes <windows.h>: it calls these. The real bodies are in win32/, the test
// fakes in tests/fakes/; the build links one of them. Texts are GBK bytes; the real layer
// converts them to UTF-16 at the call. No function reports more than the system call does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// <windows.h> maps these names to their A or W functions. The os:: functions bear the plain names,
// so in a file that includes <windows.h> first the mapping must go (such files call the W functions
// by their full names).
#ifdef _WIN32
#undef FindWindowEx
#undef PostMessage
#undef SendMessage
#undef SendMessageTimeout
#undef SetWindowText
#undef CallWindowProc
#undef CreateWaitableTimer
#undef MessageBox
#undef SetCurrentDirectory
// The common-control macros send their messages through this name.
#undef SNDMSG
#define SNDMSG ::SendMessageW
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define OS_CALLBACK __stdcall
#else
#define OS_CALLBACK
#endif

namespace os {

struct HwndTag;
using Hwnd = HwndTag*;  // a window handle; null = none
struct HandleTag;
using Handle = HandleTag*;  // a kernel object handle; null = none

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Same layout and calling convention as WNDPROC and TIMERPROC, so they are handed to the system as they are.
using WndProc = LResult(OS_CALLBACK*)(Hwnd, std::uint32_t, WParam, LParam);
using TimerProc = void(OS_CALLBACK*)(Hwnd, std::uint32_t, std::uintptr_t, std::uint32_t);

namespace msg {
inline constexpr std::uint32_t kSetText = 0x000C;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kQuit = 0x0012;
inline constexpr std::uint32_t kContextMenu = 0x007B;
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kKeyUp = 0x0101;
inline constexpr std::uint32_t kChar = 0x0102;
inline constexpr std::uint32_t kSysKeyDown = 0x0104;
inline constexpr std::uint32_t kSysKeyUp = 0x0105;
inline constexpr std::uint32_t kTimer = 0x0113;
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLButtonDown = 0x0201;
inline constexpr std::uint32_t kLButtonUp = 0x0202;
inline constexpr std::uint32_t kLButtonDblClk = 0x0203;
inline constexpr std::uint32_t kRButtonDown = 0x0204;
inline constexpr std::uint32_t kRButtonUp = 0x0205;
inline constexpr std::uint32_t kRButtonDblClk = 0x0206;
inline constexpr std::uint32_t kMButtonDown = 0x0207;
inline constexpr std::uint32_t kMButtonUp = 0x0208;
inline constexpr std::uint32_t kMButtonDblClk = 0x0209;
inline constexpr std::uint32_t kMouseWheel = 0x020A;
inline constexpr std::uint32_t kHotkey = 0x0312;
}  // namespace msg

namespace mouse {  // mouse_event flags
inline constexpr std::uint32_t kLeftDown = 0x0002;
inline constexpr std::uint32_t kLeftUp = 0x0004;
inline constexpr std::uint32_t kRightDown = 0x0008;
inline constexpr std::uint32_t kRightUp = 0x0010;
inline constexpr std::uint32_t kMiddleDown = 0x0020;
inline constexpr std::uint32_t kMiddleUp = 0x0040;
}  // namespace mouse

namespace wait {  // MsgWaitForMultipleObjectsEx
inline constexpr std::uint32_t kObject0 = 0x00000000;
inline constexpr std::uint32_t kTimeout = 0x00000102;
inline constexpr std::uint32_t kFailed = 0xFFFFFFFF;
inline constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
inline constexpr std::uint32_t kAllInput = 0x00FF;        // QS_ALLINPUT without QS_RAWINPUT
inline constexpr std::uint32_t kInputAvailable = 0x0004;  // MWMO_INPUTAVAILABLE
}  // namespace wait

// Windows and messages.
Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter, const char* className, const char* title);
Hwnd GetDlgItem(Hwnd window, int id);
Hwnd GetDesktopWindow();
bool IsWindow(Hwnd window);
bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
// WM_SETTEXT with a GBK text (null = a null lParam), given up after timeoutMs when the target
// hangs (SendMessageTimeout, SMTO_ABORTIFHUNG). True when the target handled it.
bool SendTextTimeout(Hwnd window, const char* text, std::uint32_t timeoutMs);
// A message that carries no pointer, given up after timeoutMs when the target hangs
// (SendMessageTimeout, SMTO_ABORTIFHUNG). True when the target handled it.
bool SendMessageTimeout(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam, std::uint32_t timeoutMs);
bool ClientToScreen(Hwnd window, Point& point);
// A window's caption (GBK).
bool SetWindowText(Hwnd window, std::string_view text);

// The real cursor and synthesized mouse input.
bool SetCursorPos(Point point);
bool GetCursorPos(Point& point);
void MouseEvent(std::uint32_t flags);
std::uint32_t GetDoubleClickTime();

// Time, timers, waits and the thread's queue.
std::uint32_t GetTickCount();
std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t periodMs, TimerProc proc);
Handle CreateWaitableTimer();  // unnamed, auto-reset; null on failure
bool SetWaitableTimer(Handle timer, std::int64_t dueTime100ns);
void CloseHandle(Handle handle);
std::uint32_t MsgWaitForMultipleObjectsEx(std::uint32_t count, const Handle* handles, std::uint32_t timeoutMs,
                                          std::uint32_t wakeMask, std::uint32_t flags);
// The id of the next message in the thread's queue, without taking it; nullopt when the queue is empty.
std::optional<std::uint32_t> PeekMessageId();
// Takes the next message and sends it down the runtime's usual path (dialog keys, translation, dispatch).
void DispatchNextMessage();
bool SetProcessWorkingSetSize(std::intptr_t minimum, std::intptr_t maximum);
void MessageBeep();

// Hot keys and window procedures.
bool RegisterHotKey(Hwnd window, int id, std::uint32_t modifiers, std::uint32_t virtualKey);
bool UnregisterHotKey(Hwnd window, int id);
WndProc SetWindowProc(Hwnd window, WndProc proc);  // returns the previous procedure
LResult CallWindowProc(WndProc proc, Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);

// Message boxes: task-modal, no owner; the call returns when the box is closed.
namespace box {
inline constexpr std::uint32_t kOk = 0x00000000;
inline constexpr std::uint32_t kYesNo = 0x00000004;
inline constexpr std::uint32_t kIconQuestion = 0x00000020;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace box
int MessageBox(std::string_view text, std::string_view caption, std::uint32_t type);

// Shell and files. Paths are GBK.
void ShellOpen(std::string_view address);  // ShellExecute, verb "open", SW_SHOWNORMAL
std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes bytes to a temporary file beside path and puts it in place of path only once it is complete.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::string_view bytes);
std::string ReadIniValue(const std::string& path, const char* section, const char* key, std::uint32_t bufferSize);
std::string ModulePath();  // the executable's full path
bool SetCurrentDirectory(const std::string& path);

}  // namespace os
