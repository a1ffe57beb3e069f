#include <string>

#include "automation/active_run.h"
#include "automation/create_run.h"
#include "automation/input.h"
#include "automation/locator.h"
#include "shell/program_state.h"

namespace {
constexpr std::uint32_t kVirtualKeyY = 0x59;
// A client that hangs on the close must not freeze the tool: it is given up after this long, and
// the next pass finds the window again or the user stops the run.
constexpr std::uint32_t kCloseBoundMs = 5000;
}  // namespace

void DeleteRun() {
    ActiveRun run(RunKind::Delete);
    if (!run.Started()) return;
    ProgramState& program = Program();
    program.channelTreeHandle = FindChannelTree();

    for (int pass = 1;; ++pass) {
        if (run.StopPolled()) {
            run.EndProgress();
            run.Tell("删除停止成功!");
            return;
        }
        run.ShowProgress("Quorvane - 正在删除 第" + std::to_string(pass) + "次");
        PostMouse(program.channelTreeHandle, 52, 52, mouse_button::kRight, mouse_action::kClick);
        if (!run.Wait(800)) return;

        // The real cursor goes back at once, so the user's mouse is not left on the client's menu.
        os::Hwnd menu = FindContextMenu();
        SaveCursorPos();
        MoveCursor(menu, 80, 150);
        SynthClick(mouse_button::kLeft, mouse_action::kClick);
        RestoreCursorPos();
        if (!run.Wait(900)) return;

        os::Hwnd confirm = FindConfirmWindow();
        if (!confirm) {
            run.EndProgress();
            run.Tell("全部删除完毕,如果没有删除完成,请再次点击");
            return;
        }
        PostKey(confirm, kVirtualKeyY);
        os::SendMessageTimeout(confirm, os::msg::kClose, 1, 0, kCloseBoundMs);
        if (!run.Wait(ReadInterval())) return;
    }
}
