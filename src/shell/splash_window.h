#pragma once
#include "runtime/form.h"

void SplashWindowCreated(ui::Form& splash);
// Fires once: hands over to the main window.
void SplashTimerTicked(ui::Form& splash, ui::Control& timer);
