// Placeholder until this part is built.
#include "automation/create_run.h"

void CreateRun() {}
void DeleteRun() {}
void RequestStop() {}
