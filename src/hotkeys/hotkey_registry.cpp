#include "hotkeys/hotkey_registry.h"

#include <memory>

#include "shell/program_state.h"

std::int32_t RegisterGlobalHotkey(os::Hwnd window, std::uint32_t modifiers, std::uint32_t virtualKey,
                                  os::WndProc handler) {
    ProgramState& program = Program();
    const auto key = static_cast<std::int32_t>(virtualKey);
    // Only the key is compared: one key runs one handler, whatever its modifiers or window.
    for (const auto& record : program.hotkeyTable)
        if (record->virtualKey == key) os::UnregisterHotKey(record->window, record->id);

    const std::int32_t id = program.hotkeyCount + 1;
    if (!os::RegisterHotKey(window, id, modifiers, virtualKey)) return 0;

    program.hotkeyCount = id;
    program.hotkeyTable.push_back(std::make_unique<HotkeyRecord>(HotkeyRecord{window, modifiers, key, id, handler}));
    if (id == 1) program.previousWndProc = os::SetWindowProc(window, HotkeyWndProc);
    return id;
}

os::LResult OS_CALLBACK HotkeyWndProc(os::Hwnd window, std::uint32_t message, os::WParam wParam, os::LParam lParam) {
    ProgramState& program = Program();
    if (message == os::msg::kHotkey && wParam >= 1 && wParam <= program.hotkeyTable.size()) {
        const HotkeyRecord& record = *program.hotkeyTable[wParam - 1];
        return os::CallWindowProc(record.handler, window, message, wParam, lParam);
    }
    // Also a WM_HOTKEY whose id we never gave out (another component's key on this window).
    return os::CallWindowProc(program.previousWndProc, window, message, wParam, lParam);
}
