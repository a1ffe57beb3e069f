#include "shell/main_window_setup.h"

#include "automation/create_run.h"
#include "hotkeys/hotkey_registry.h"
#include "shell/program_state.h"
#include "shell/startup_data.h"

namespace {
constexpr std::uint32_t kF3 = 0x72;
constexpr std::uint32_t kF4 = 0x73;
}  // namespace

os::LResult OS_CALLBACK StartRunHotkey(os::Hwnd, std::uint32_t, os::WParam, os::LParam) {
    CreateRun();
    return 0;
}

os::LResult OS_CALLBACK StopRunHotkey(os::Hwnd, std::uint32_t, os::WParam, os::LParam) {
    RequestStop();
    return 0;
}

void SetUpMainWindow(const MainWindowParts& parts) {
    // A key another program holds is simply missing; the program goes on without it.
    (void)RegisterGlobalHotkey(parts.window, 0, kF3, StartRunHotkey);
    (void)RegisterGlobalHotkey(parts.window, 0, kF4, StopRunHotkey);

    // The list is parsed through the program's view of the window, so it must be known first.
    Program().mainWindow =
        MainWindowControls{parts.window, parts.channelList, parts.passwordBox, parts.frequencyBox, parts.fileChooser,
                           parts.form};
    LoadDefaultList();
    if (parts.passwordBox && parts.frequencyBox) LoadSettings(*parts.passwordBox, *parts.frequencyBox);
}

void ForgetMainWindow() { Program().mainWindow = MainWindowControls{}; }
