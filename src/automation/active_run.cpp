#include "automation/active_run.h"

#include "automation/input.h"
#include "runtime/os.h"
#include "shell/text_number.h"

namespace {
constexpr std::string_view kIdleCaption = "Quorvane";
}

ActiveRun::ActiveRun(RunKind kind) {
    ProgramState& program = Program();
    // A hot key can still arrive after the main window has gone.
    if (!program.mainWindow.window) return;
    if (program.runInProgress != RunKind::None) {
        os::MessageBeep();
        return;
    }
    program.runInProgress = kind;
    // A stop pressed while nothing polled it (no run going, or after the last poll of the
    // previous run) must not cancel this run.
    program.stopRequested = 0;
    started_ = true;
}

ActiveRun::~ActiveRun() {
    if (!started_) return;
    EndProgress();
    Program().runInProgress = RunKind::None;
}

bool ActiveRun::StopPolled() {
    ProgramState& program = Program();
    if (program.stopRequested != 1) return false;
    program.stopRequested = 0;
    return true;
}

bool ActiveRun::WindowGone() const { return Program().mainWindow.window == nullptr; }

bool ActiveRun::Wait(std::int32_t ms) const {
    PumpingDelay(ms);
    return !WindowGone();
}

void ActiveRun::ShowProgress(const std::string& caption) {
    os::Hwnd window = Program().mainWindow.window;
    if (!window) return;
    os::SetWindowText(window, caption);
    showingProgress_ = true;
}

void ActiveRun::EndProgress() {
    if (!showingProgress_) return;
    showingProgress_ = false;
    if (os::Hwnd window = Program().mainWindow.window) os::SetWindowText(window, kIdleCaption);
}

void ActiveRun::Tell(std::string_view message) const { os::MessageBox(message, "", os::box::kOk); }

std::int32_t ReadInterval() {
    ui::TextBox* box = Program().mainWindow.frequencyBox;
    return box ? TruncateToInt32(LeadingNumber(box->Text())) : 0;
}
