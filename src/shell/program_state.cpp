#include "shell/program_state.h"

#include <optional>

namespace {
std::optional<ProgramState> state;
}

void CreateProgramState() {
    state.emplace();
    state->savedCursorPos = std::make_unique<os::Point>();
    state->buttonStrip = std::make_unique<ButtonStrip>();
}

void ReleaseProgramState() {
    if (!state) return;
    state->exportText.clear();
    state->exportText.shrink_to_fit();
    state->savedCursorPos.reset();
    state->buttonStrip.reset();
    state->hotkeyTable.clear();  // frees the records in index order
    state.reset();
}

ProgramState& Program() { return *state; }

static_assert(sizeof("锁") == 3, "narrow literals must be compiled to GBK (-fexec-charset=GBK or /execution-charset:.936)");
