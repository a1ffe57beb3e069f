#include "runtime/win32/message_loop.h"

#include <algorithm>
#include <vector>

#include "runtime/form.h"
#include "runtime/os.h"

static_assert(os::msg::kQuit == WM_QUIT);
static_assert(os::msg::kClose == WM_CLOSE);
static_assert(os::msg::kTimer == WM_TIMER);

namespace win {
namespace {

std::vector<HWND> dialogWindows;
// A WM_QUIT taken by a nested loop or a wait, kept so that the loops below it end too instead of
// waiting for a message that never comes.
bool quitTaken = false;
int quitCode = 0;
void (*exitRoutine)() = nullptr;
bool exitRoutineRan = false;

bool TakeMessage(MSG& message) {
    if (quitTaken) return false;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got > 0) return true;
    if (got == 0) {
        quitTaken = true;
        quitCode = static_cast<int>(message.wParam);
    }
    return false;
}

}  // namespace

void PushDialogWindow(HWND window) { dialogWindows.push_back(window); }

void PopDialogWindow(HWND window) {
    auto found = std::find(dialogWindows.rbegin(), dialogWindows.rend(), window);
    if (found != dialogWindows.rend()) dialogWindows.erase(std::next(found).base());
}

void DispatchTaken(MSG& message) {
    if (!dialogWindows.empty()) {
        HWND dialog = dialogWindows.back();
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void RunModalLoop(HWND window) {
    MSG message;
    while (IsWindow(window) && TakeMessage(message))
        DispatchTaken(message);
}

void EndProgram() {
    if (!exitRoutine || exitRoutineRan) return;
    exitRoutineRan = true;
    exitRoutine();
}

}  // namespace win

namespace ui {

int RunMessageLoop() {
    MSG message;
    while (win::TakeMessage(message))
        win::DispatchTaken(message);
    // The quit belongs to this loop; a later loop on the thread starts afresh.
    win::quitTaken = false;
    return win::quitCode;
}

void SetExitRoutine(void (*routine)()) {
    win::exitRoutine = routine;
    win::exitRoutineRan = false;
}

}  // namespace ui

namespace os {

std::optional<std::uint32_t> PeekMessageId() {
    MSG message;
    if (win::quitTaken || !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) return std::nullopt;
    return message.message;
}

void DispatchNextMessage() {
    MSG message;
    if (win::quitTaken || !PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
        win::quitTaken = true;
        win::quitCode = static_cast<int>(message.wParam);
        return;
    }
    win::DispatchTaken(message);
}

}  // namespace os
