#pragma once
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/os.h"

struct MainWindowParts {
    os::Hwnd window = nullptr;
    ui::ChannelRows* channelList = nullptr;
    ui::TextBox* passwordBox = nullptr;
    ui::TextBox* frequencyBox = nullptr;
    ui::FileChooser* fileChooser = nullptr;
    ui::Form* form = nullptr;
};

// The main window's creation work after the look is switched on: F3 and F4 on the window, the
// window's controls made known to the program, then the default list and the two settings.
void SetUpMainWindow(const MainWindowParts& parts);
// The window is going away: from now on no one may reach its controls.
void ForgetMainWindow();

os::LResult OS_CALLBACK StartRunHotkey(os::Hwnd window, std::uint32_t message, os::WParam wParam, os::LParam lParam);
os::LResult OS_CALLBACK StopRunHotkey(os::Hwnd window, std::uint32_t message, os::WParam wParam, os::LParam lParam);
