#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "channels/button_strip.h"
#include "hotkeys/hotkey_record.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/os.h"

enum class RunKind { None, Create, Delete };

// Where the main window's controls are while it exists; all null before it is created and after it is destroyed.
struct MainWindowControls {
    os::Hwnd window = nullptr;
    ui::ChannelRows* channelList = nullptr;  // ChannelListView
    ui::TextBox* passwordBox = nullptr;      // PasswordBox
    ui::TextBox* frequencyBox = nullptr;     // FrequencyBox
    ui::FileChooser* fileChooser = nullptr;
    ui::Form* form = nullptr;  // the owner that a modal window opened from the main window disables
};

// The program-wide variables, in their declared order.
struct ProgramState {
    std::string exportText;
    os::Hwnd channelTreeHandle = nullptr;
    std::int32_t stopRequested = 0;
    std::int32_t editMode = 0;
    std::unique_ptr<os::Point> savedCursorPos;
    std::unique_ptr<ButtonStrip> buttonStrip;
    HotkeyTable hotkeyTable;
    std::int32_t hotkeyCount = 0;
    os::WndProc previousWndProc = nullptr;

    MainWindowControls mainWindow;
    RunKind runInProgress = RunKind::None;
};

// Creates the variables that need memory, in order: SavedCursorPos, the ButtonStrip, the empty HotkeyTable.
void CreateProgramState();
// The exit routine's releases, in order: ExportText, SavedCursorPos, the ButtonStrip, the HotkeyTable.
void ReleaseProgramState();
ProgramState& Program();
