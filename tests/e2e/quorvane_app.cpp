#include "quorvane_app.h"

#include <string>

#include "runtime/win32/gbk.h"
#include "standin_client.h"

namespace e2e {
namespace {

constexpr int kProbeHotkeyId = 0xBFFF;

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ListText(const std::vector<ListEntry>& entries) {
    std::string text;
    for (const auto& entry : entries)
        text += win::Narrow(entry.name) + (entry.locked ? "|\xCB\xF8|" : "") + "\r\n";
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<BoxSearch*>(context);
    wchar_t className[32] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

struct ButtonSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindButton(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ButtonSearch*>(context);
    if (WindowText(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

HWND ButtonOf(HWND window, const wchar_t* caption) {
    ButtonSearch search{caption, nullptr};
    EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

QuorvaneApp::QuorvaneApp(const QuorvaneSetup& setup) : folder_(TempFilePath(L"quorvane", L"")) {
    CreateDirectoryW(folder_.c_str(), nullptr);
    const std::wstring exe = folder_ + L"\\Quorvane.exe";
    CopyFileW(QuorvaneExe().c_str(), exe.c_str(), FALSE);
    WriteBytes(folder_ + L"\\默认频道.txt", ListText(setup.entries));
    WriteBytes(folder_ + L"\\load.ini", "[load]\r\n" + win::Narrow(L"密码=" + setup.password) + "\r\n" +
                                            win::Narrow(L"频率=" + setup.interval) + "\r\n");
    process_ = std::make_unique<ChildProcess>(exe, std::vector<std::wstring>{}, folder_);
    if (!process_->Running()) return;
    // The splash, of the same class and caption, stands for two seconds first: the main window is
    // the one with the buttons.
    WaitUntil(
        [&] {
            for (HWND w = FindWindowW(L"QuorvaneForm", nullptr); w;
                 w = FindWindowExW(nullptr, w, L"QuorvaneForm", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == process_->Id() && ButtonOf(w, L"创建频道(&F1)")) mainWindow_ = w;
            }
            return mainWindow_ != nullptr;
        },
        15000);
    // The buttons exist before the window's creation handler has registered F3 and F4: a key
    // pressed in between is lost. F3 is taken once this process can no longer register it.
    WaitUntil(
        [] {
            if (!RegisterHotKey(nullptr, kProbeHotkeyId, 0, VK_F3)) return true;
            UnregisterHotKey(nullptr, kProbeHotkeyId);
            return false;
        },
        5000);
}

QuorvaneApp::~QuorvaneApp() {
    process_.reset();
    for (const wchar_t* name : {L"\\Quorvane.exe", L"\\默认频道.txt", L"\\load.ini"})
        DeleteFileW((folder_ + name).c_str());
    RemoveDirectoryW(folder_.c_str());
}

bool QuorvaneApp::ClickButton(const wchar_t* caption) const {
    HWND button = ButtonOf(mainWindow_, caption);
    // Posted: the run is one long call inside the click's handler.
    return button && PostMessageW(button, BM_CLICK, 0, 0);
}

std::wstring QuorvaneApp::Caption() const { return WindowText(mainWindow_); }

MessageBoxSeen QuorvaneApp::WaitForMessageBox(DWORD timeoutMs) const {
    BoxSearch search{process_->Id(), nullptr};
    WaitUntil(
        [&] {
            search.found = nullptr;
            EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    if (!search.found) return {};
    // The message box's text is its static control 0xFFFF.
    return {search.found, WindowText(GetDlgItem(search.found, 0xFFFF)), WindowText(search.found)};
}

bool QuorvaneApp::CloseMessageBox(const MessageBoxSeen& box) const {
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitUntil([&] { return !IsWindow(box.window); }, 5000);
}

std::wstring QuorvaneApp::TakeMessage(DWORD timeoutMs) const {
    MessageBoxSeen box = WaitForMessageBox(timeoutMs);
    if (!box.window) return {};
    CloseMessageBox(box);
    return box.text;
}

void PressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace e2e
