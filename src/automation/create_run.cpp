#include "automation/create_run.h"

#include <algorithm>
#include <string>

#include "automation/active_run.h"
#include "automation/input.h"
#include "automation/locator.h"
#include "shell/program_state.h"

namespace {

// One entry through the client's own dialog. False when the main window went away during a
// wait: then nothing more is done, not even the real click on the menu.
bool CreateChannel(const ActiveRun& run, const std::string& name, const char* password) {
    ProgramState& program = Program();
    PostMouse(program.channelTreeHandle, 32, 8, mouse_button::kRight, mouse_action::kClick);
    if (!run.Wait(1000)) return false;
    MoveCursor(FindContextMenu(), 80, 130);
    SynthClick(mouse_button::kLeft, mouse_action::kClick);
    if (!run.Wait(1000)) return false;

    // Each dialog control is searched when it is used: the client may rebuild the dialog.
    SendText(FindCreateDialogItem(client_id::kNameField), name.c_str());
    SendText(FindCreateDialogItem(client_id::kPasswordField), password);
    PostMouse(FindCreateDialogItem(client_id::kConfirmControl), 10, 10, mouse_button::kLeft, mouse_action::kClick);
    // The client sometimes ignores the first click; a second one while the control is still there.
    if (FindCreateDialogItem(client_id::kConfirmControl))
        PostMouse(FindCreateDialogItem(client_id::kConfirmControl), 10, 10, mouse_button::kLeft, mouse_action::kClick);

    if (!run.Wait(ReadInterval())) return false;
    ArmMemoryTrim(program.mainWindow.window);
    return true;
}

}  // namespace

void CreateRun() {
    ActiveRun run(RunKind::Create);
    if (!run.Started()) return;
    ProgramState& program = Program();
    program.channelTreeHandle = FindChannelTree();
    const std::string password = program.mainWindow.passwordBox ? program.mainWindow.passwordBox->Text() : "";
    const int count = program.mainWindow.channelList ? program.mainWindow.channelList->Count() : 0;

    for (int row = 0; row < count; ++row) {
        if (run.StopPolled()) {
            run.EndProgress();
            run.Tell("创建停止成功!");
            break;
        }
        // Rows deleted during the run: the list's present end is the run's end.
        ui::ChannelRows* rows = program.mainWindow.channelList;
        const int present = rows ? rows->Count() : 0;
        if (row >= present) break;
        run.ShowProgress("Quorvane - 正在创建 " + std::to_string(row + 1) + "/" +
                         std::to_string(std::min(count, present)));
        const bool locked = rows->StateImage(row) != 0;
        const std::string name = rows->Name(row);
        if (!CreateChannel(run, name, locked ? password.c_str() : nullptr)) return;
    }
    run.EndProgress();
    // Closing the main window while the stop message was open ends the program without another box.
    if (run.WindowGone()) return;
    run.Tell("创建完成,如果发现还有些没创建出来,请调整频率!");
}

void RequestStop() { Program().stopRequested = 1; }
