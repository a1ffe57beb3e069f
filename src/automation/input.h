#pragma once
// Input injected into the client's windows, and the waits that keep the tool's own window answering.
#include <cstdint>
#include <optional>

#include "runtime/os.h"

namespace mouse_button {  // MouseButton
inline constexpr int kLeft = 0;  // 1 is the left button too
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 3;
inline constexpr int kWheelForward = 4;
inline constexpr int kWheelBackward = 5;
}  // namespace mouse_button

namespace mouse_action {  // MouseAction
inline constexpr int kClick = 0;  // 1 is a click too
inline constexpr int kDoubleClick = 2;
inline constexpr int kPress = 3;
inline constexpr int kRelease = 4;
}  // namespace mouse_action

namespace key_action {  // KeyAction; every other value is press then release
inline constexpr int kPressRelease = 0;
inline constexpr int kCharacter = 1;
inline constexpr int kPress = 3;
inline constexpr int kRelease = 4;
}  // namespace key_action

// Posted input returns at once; the client acts on it later on its own thread.
void PostMouse(os::Hwnd window, std::optional<std::int32_t> x = {}, std::optional<std::int32_t> y = {},
               int button = mouse_button::kLeft, int action = mouse_action::kClick);
void MoveCursor(os::Hwnd window, std::int32_t x, std::int32_t y);
void SynthClick(int button = mouse_button::kLeft, int action = mouse_action::kClick);
// Dispatches the tool's messages until the waitable timer fires; ends at once when no timer can be armed.
bool TimerWait(std::optional<std::int32_t> amount = {}, std::optional<std::int32_t> unit = {});
void PostKey(os::Hwnd window, std::uint32_t virtualKey, int action = key_action::kPressRelease, bool systemKey = false);
// WM_SETTEXT, given up after a few seconds when the client hangs; nothing for a null window.
void SendText(os::Hwnd window, const char* text);
os::Point SaveCursorPos();
void RestoreCursorPos(std::optional<os::Point> point = {});
// Dispatches what is queued, leaving WM_QUIT for the main loop.
void PumpEvents();
// Dispatches every message as it comes, blocked in between, until more than ms have passed;
// returns at once for 0 or less and when WM_QUIT is next (the program is ending).
void PumpingDelay(std::int32_t ms);
std::uintptr_t ArmMemoryTrim(os::Hwnd mainWindow);
void OS_CALLBACK TrimWorkingSet(os::Hwnd, std::uint32_t, std::uintptr_t, std::uint32_t);
