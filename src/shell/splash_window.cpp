#include "shell/splash_window.h"

#include "forms/main_form.h"
#include "forms/splash_form.h"

namespace {
constexpr std::uint32_t kSplashMs = 2000;
}

void SplashWindowCreated(ui::Form& splash) { splash.SetTimerPeriod(kSplashTimer, kSplashMs); }

void SplashTimerTicked(ui::Form& splash, ui::Control&) {
    ui::LoadForm(MainForm(), nullptr, false);
    splash.Close();
    splash.SetTimerPeriod(kSplashTimer, 0);
}
