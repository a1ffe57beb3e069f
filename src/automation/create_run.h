#pragma once

void CreateRun();
void DeleteRun();
// The stop button and F4: the run in progress stops at its next poll.
void RequestStop();
