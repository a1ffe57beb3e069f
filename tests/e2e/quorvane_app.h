#pragma once
// Quorvane.exe as a user meets it: copied into a folder of its own beside a default list and a
// settings file, started, and driven through its main window's buttons and its message boxes.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace e2e {

struct ListEntry {
    std::wstring name;
    bool locked = false;
};

struct QuorvaneSetup {
    std::vector<ListEntry> entries;
    std::wstring password;
    std::wstring interval = L"0";
};

// A message box of the tool's process: its text and caption, and the window to close it.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring text;
    std::wstring caption;
};

class QuorvaneApp {
public:
    explicit QuorvaneApp(const QuorvaneSetup& setup);
    ~QuorvaneApp();

    // The main window is up (after the splash).
    bool ready() const { return mainWindow_ != nullptr; }
    HWND mainWindow() const { return mainWindow_; }
    ChildProcess& process() { return *process_; }
    const std::wstring& folder() const { return folder_; }

    // Posts a click to the main window's button with that caption; false when there is none.
    bool ClickButton(const wchar_t* caption) const;
    std::wstring Caption() const;
    // The first message box the tool shows within timeoutMs; window null when none came.
    MessageBoxSeen WaitForMessageBox(DWORD timeoutMs) const;
    // Closes the box with its OK button and waits until it has gone.
    bool CloseMessageBox(const MessageBoxSeen& box) const;
    // The next message box's text, closing it; empty when none came within timeoutMs.
    std::wstring TakeMessage(DWORD timeoutMs) const;

private:
    std::wstring folder_;
    std::unique_ptr<ChildProcess> process_;
    HWND mainWindow_ = nullptr;
};

// Presses and releases a key as the keyboard would: the system turns it into a hot key if one is registered.
void PressKey(WORD virtualKey);

}  // namespace e2e
