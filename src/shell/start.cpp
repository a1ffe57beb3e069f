#include "shell/program_state.h"

int StartRoutine() {
    CreateProgramState();
    ReleaseProgramState();
    return 0;
}
