#include "forms/splash_form.h"
#include "runtime/form.h"
#include "shell/program_state.h"
#include "shell/startup_data.h"

int StartRoutine() {
    ui::SetUpRuntime();
    MakeRunDirectoryCurrent();
    CreateProgramState();
    ui::SetExitRoutine(ReleaseProgramState);
    ui::LoadForm(SplashForm(), nullptr, false);
    ui::RunMessageLoop();
    return 0;
}
