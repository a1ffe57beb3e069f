// Opens the add/edit window over a small list, moves the cursor onto "确认" so that it shows its
// hover face, prints the window's screen rectangle and closes the window after a few seconds.
// tools/add_edit_screenshot.sh takes the picture meanwhile.
#include <windows.h>

#include <cstdio>

#include "channels/add_edit_window.h"
#include "runtime/form.h"
#include "shell/program_state.h"

namespace {

const ui::ControlDef kControls[] = {
    {.kind = ui::ControlKind::ListView, .name = "超级列表框1", .left = 5, .top = 1, .width = 316, .height = 300},
};
const ui::FormDef kList{.caption = "list", .width = 340, .height = 340, .controls = kControls};

int ticks = 0;

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = FindWindowW(L"QuorvaneForm", L"添加/编辑");
    HWND confirm = window ? FindWindowExW(window, nullptr, L"Button", L"确认") : nullptr;
    if (!confirm) return;
    ++ticks;
    if (ticks == 1) {
        RECT outer, button;
        GetWindowRect(window, &outer);
        GetWindowRect(confirm, &button);
        std::printf("%ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
        std::fflush(stdout);
        SetCursorPos((button.left + button.right) / 2 + 20, (button.top + button.bottom) / 2);
    }
    if (ticks == 30) PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

int wmain() {
    CreateProgramState();
    ui::Form* list = ui::LoadForm(kList, nullptr, false);
    if (!list) return 1;
    // The list window stays out of the picture.
    SetWindowPos(reinterpret_cast<HWND>(list->Window()), nullptr, -2000, -2000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ui::ChannelRows& rows = list->RowsNamed("超级列表框1");
    const char* names[] = {"一号频道", "二号频道", "三号频道", "会员频道", "Channel 5"};
    for (int i = 0; i < 5; ++i) {
        const int row = rows.Append();
        rows.SetName(row, names[i]);
        rows.SetStateImage(row, i == 3 ? 1 : 0);
    }
    Program().mainWindow.channelList = &rows;
    Program().mainWindow.form = list;
    SetTimer(nullptr, 0, 100, Step);
    EditEntries();
    return 0;
}
