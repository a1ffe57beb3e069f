#include "automation/input.h"

#include <cmath>
#include <limits>
#include <memory>
#include <type_traits>

#include "shell/program_state.h"

namespace {

// The client's own handlers read the point from lParam; this offset is what it expects on the
// wheel and context-menu messages (585 + 383 * 65536).
constexpr std::int64_t kShiftedPointOffset = 25100873;
constexpr os::WParam kContextMenuWParam = 132782;
constexpr os::WParam kWheelForwardWParam = 0x00780010;   // +120 notches, MK_MBUTTON
constexpr os::WParam kWheelBackwardWParam = 0xFF880010;  // -120 notches, MK_MBUTTON
constexpr os::WParam kMoveKeyState = 2;                  // MK_RBUTTON, whatever the button
constexpr std::int32_t kOmittedCoordinate = 2;

constexpr std::uintptr_t kTrimTimerId = 0x5154;
constexpr std::uint32_t kTrimPeriodMs = 3000;

// A hung client must not freeze the tool; a healthy one answers in far less.
constexpr std::uint32_t kSendTextBoundMs = 5000;

// x + y * 65536 as an exact sum, cut to 32 bits, so a negative x borrows from y.
os::LParam PackPoint(std::int32_t x, std::int32_t y, std::int64_t offset = 0) {
    std::int64_t sum = std::int64_t{x} + std::int64_t{y} * 65536 + offset;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum));
}

struct ButtonMessages {
    std::uint32_t down, up, doubleClick;
    os::WParam downKeyState, upKeyState;
};

const ButtonMessages* MessagesFor(int button) {
    static constexpr ButtonMessages left{os::msg::kLButtonDown, os::msg::kLButtonUp, os::msg::kLButtonDblClk, 1, 0};
    static constexpr ButtonMessages right{os::msg::kRButtonDown, os::msg::kRButtonUp, os::msg::kRButtonDblClk, 2, 2};
    static constexpr ButtonMessages middle{os::msg::kMButtonDown, os::msg::kMButtonUp, os::msg::kMButtonDblClk, 0x10,
                                           0};
    switch (button) {
        case 0:
        case 1: return &left;
        case mouse_button::kRight: return &right;
        case mouse_button::kMiddle: return &middle;
        default: return nullptr;
    }
}

struct TimerCloser {
    void operator()(os::Handle timer) const { os::CloseHandle(timer); }
};
using WaitableTimer = std::unique_ptr<std::remove_pointer_t<os::Handle>, TimerCloser>;

bool QuitIsNext() {
    auto next = os::PeekMessageId();
    return next && *next == os::msg::kQuit;
}

std::int64_t DueTime(std::int32_t amount, double factor) {
    double due = std::trunc(double(amount) * factor * -10000.0);
    // Out of range the conversion is undefined; the extremes mean "never" and "long past" alike.
    if (due <= double(std::numeric_limits<std::int64_t>::min())) return std::numeric_limits<std::int64_t>::min();
    if (due >= double(std::numeric_limits<std::int64_t>::max())) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(due);
}

}  // namespace

void PostMouse(os::Hwnd window, std::optional<std::int32_t> x, std::optional<std::int32_t> y, int button,
               int action) {
    os::Hwnd target = window ? window : os::GetDesktopWindow();
    std::int32_t px = x.value_or(kOmittedCoordinate);
    std::int32_t py = y.value_or(kOmittedCoordinate);
    os::LParam point = PackPoint(px, py);
    os::LParam shifted = PackPoint(px, py, kShiftedPointOffset);

    if (button == mouse_button::kWheelForward || button == mouse_button::kWheelBackward) {
        os::PostMessage(target, os::msg::kMouseWheel,
                        button == mouse_button::kWheelForward ? kWheelForwardWParam : kWheelBackwardWParam, shifted);
        return;
    }
    os::PostMessage(target, os::msg::kMouseMove, kMoveKeyState, point);

    const ButtonMessages* messages = MessagesFor(button);
    if (!messages) return;
    switch (action) {
        case 0:
        case 1:
            os::PostMessage(target, messages->down, messages->downKeyState, point);
            os::PostMessage(target, messages->up, messages->upKeyState, point);
            break;
        case mouse_action::kDoubleClick:
            os::PostMessage(target, messages->down, messages->downKeyState, point);
            os::PostMessage(target, messages->up, messages->upKeyState, point);
            os::PostMessage(target, messages->doubleClick, 0, point);
            break;
        case mouse_action::kPress: os::PostMessage(target, messages->down, messages->downKeyState, point); break;
        case mouse_action::kRelease: os::PostMessage(target, messages->up, messages->upKeyState, point); break;
        default: break;
    }
    if (button == mouse_button::kRight) os::PostMessage(target, os::msg::kContextMenu, kContextMenuWParam, shifted);
}

void MoveCursor(os::Hwnd window, std::int32_t x, std::int32_t y) {
    os::Point origin{};
    if (window) os::ClientToScreen(window, origin);
    // Wrapping sums: a far-off point is the system's to clip, not undefined behaviour of ours.
    auto add = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
    };
    os::SetCursorPos({add(origin.x, x), add(origin.y, y)});
}

void SynthClick(int button, int action) {
    std::uint32_t press = 0, release = 0;
    switch (button) {
        case 0:
        case 1: press = os::mouse::kLeftDown, release = os::mouse::kLeftUp; break;
        case mouse_button::kRight: press = os::mouse::kRightDown, release = os::mouse::kRightUp; break;
        case mouse_button::kMiddle: press = os::mouse::kMiddleDown, release = os::mouse::kMiddleUp; break;
        default: return;
    }
    switch (action) {
        case 0:
        case 1:
            os::MouseEvent(press);
            os::MouseEvent(release);
            break;
        case mouse_action::kDoubleClick:
            os::MouseEvent(press);
            os::MouseEvent(release);
            TimerWait(static_cast<std::int32_t>(os::GetDoubleClickTime()));
            os::MouseEvent(press);
            os::MouseEvent(release);
            break;
        case mouse_action::kPress: os::MouseEvent(press); break;
        case mouse_action::kRelease: os::MouseEvent(release); break;
        default: break;
    }
}

bool TimerWait(std::optional<std::int32_t> amount, std::optional<std::int32_t> unit) {
    double factor = 1;
    switch (unit.value_or(0)) {
        case 0: factor = amount ? 1 : 18000000; break;
        case 1: factor = 1000; break;
        case 2: factor = 60000; break;
        case 3: factor = 3600000; break;
        default: factor = *unit; break;
    }
    std::int64_t due = DueTime(amount.value_or(0), factor);

    WaitableTimer timer(os::CreateWaitableTimer());
    // Without an armed timer nothing would ever end the wait.
    if (!timer || !os::SetWaitableTimer(timer.get(), due)) return true;
    os::Handle handles[] = {timer.get()};
    for (;;) {
        std::uint32_t woken = os::MsgWaitForMultipleObjectsEx(1, handles, os::wait::kInfinite, os::wait::kAllInput, 0);
        // A failed wait fails again at once: waiting on would spin.
        if (woken == os::wait::kObject0 || woken == os::wait::kFailed) break;
        PumpEvents();
        // WM_QUIT stays queued for the main loop; waiting on would only wake for it again and again.
        if (QuitIsNext()) break;
    }
    return true;
}

void PostKey(os::Hwnd window, std::uint32_t virtualKey, int action, bool systemKey) {
    if (action == key_action::kCharacter) {
        os::PostMessage(window, os::msg::kChar, virtualKey, 0);
        return;
    }
    std::uint32_t press = systemKey ? os::msg::kSysKeyDown : os::msg::kKeyDown;
    std::uint32_t release = systemKey ? os::msg::kSysKeyUp : os::msg::kKeyUp;
    if (action != key_action::kRelease) os::PostMessage(window, press, virtualKey, 0);
    if (action != key_action::kPress) os::PostMessage(window, release, virtualKey, 0);
}

void SendText(os::Hwnd window, const char* text) {
    if (!window) return;
    os::SendTextTimeout(window, text, kSendTextBoundMs);
}

os::Point SaveCursorPos() {
    auto& saved = Program().savedCursorPos;
    if (saved) *saved = {};
    os::Point point{};
    if (!os::GetCursorPos(point)) point = {};
    if (saved) *saved = point;
    return point;
}

void RestoreCursorPos(std::optional<os::Point> point) {
    const auto& saved = Program().savedCursorPos;
    os::Point target = point ? *point : saved ? *saved : os::Point{};
    MoveCursor(nullptr, target.x, target.y);
}

void PumpEvents() {
    for (auto next = os::PeekMessageId(); next && *next != os::msg::kQuit; next = os::PeekMessageId())
        os::DispatchNextMessage();
}

void PumpingDelay(std::int32_t ms) {
    if (ms <= 0) return;
    const std::uint32_t start = os::GetTickCount();
    const auto length = static_cast<std::uint32_t>(ms);
    for (;;) {
        PumpEvents();
        // Elapsed time, not "now > end": the tick count wraps every 49.7 days.
        std::uint32_t elapsed = os::GetTickCount() - start;
        if (elapsed > length) return;
        if (QuitIsNext()) return;
        // Blocks until a message comes or the tick count passes the end; INPUTAVAILABLE wakes for
        // messages that were already queued when the wait began.
        os::MsgWaitForMultipleObjectsEx(0, nullptr, length - elapsed + 1, os::wait::kAllInput,
                                        os::wait::kInputAvailable);
    }
}

std::uintptr_t ArmMemoryTrim(os::Hwnd mainWindow) {
    return os::SetTimer(mainWindow, kTrimTimerId, kTrimPeriodMs, TrimWorkingSet);
}

void OS_CALLBACK TrimWorkingSet(os::Hwnd, std::uint32_t, std::uintptr_t, std::uint32_t) {
    os::SetProcessWorkingSetSize(-1, -1);
}
