#pragma once
// What the creation run and the delete-all run share: one run at a time, the stop flag, the
// waits that end the run when the main window goes away, the caption that shows progress.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/program_state.h"

class ActiveRun {
public:
    // Another run in progress refuses this one with a beep: a run started inside a wait of
    // another would create every channel a second time. Without the main window nothing starts.
    explicit ActiveRun(RunKind kind);
    ~ActiveRun();
    ActiveRun(const ActiveRun&) = delete;
    ActiveRun& operator=(const ActiveRun&) = delete;

    bool Started() const { return started_; }
    // True once when a stop was requested since the run started; clears the request.
    bool StopPolled();
    // The main window (and with it every control pointer) is gone: the program is ending.
    bool WindowGone() const;
    // PumpingDelay, then whether the run may go on.
    [[nodiscard]] bool Wait(std::int32_t ms) const;
    void ShowProgress(const std::string& caption);
    void EndProgress();
    void Tell(std::string_view message) const;

private:
    bool started_ = false;
    bool showingProgress_ = false;
};

// The interval in milliseconds that FrequencyBox holds now.
std::int32_t ReadInterval();
