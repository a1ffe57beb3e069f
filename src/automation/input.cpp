// Placeholder until this part is built.
#include "automation/input.h"

void PostMouse(os::Hwnd, std::optional<std::int32_t>, std::optional<std::int32_t>, int, int) {}
void MoveCursor(os::Hwnd, std::int32_t, std::int32_t) {}
void SynthClick(int, int) {}
bool TimerWait(std::optional<std::int32_t>, std::optional<std::int32_t>) { return true; }
void PostKey(os::Hwnd, std::uint32_t, int, bool) {}
void SendText(os::Hwnd, const char*) {}
os::Point SaveCursorPos() { return {}; }
void RestoreCursorPos(std::optional<os::Point>) {}
void PumpEvents() {}
void PumpingDelay(std::int32_t) {}
std::uintptr_t ArmMemoryTrim(os::Hwnd) { return 0; }
void OS_CALLBACK TrimWorkingSet(os::Hwnd, std::uint32_t, std::uintptr_t, std::uint32_t) {}
