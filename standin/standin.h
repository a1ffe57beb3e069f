#pragma once
// The stand-in client: the windows, classes, titles, control identifiers and reactions that
// Quorvane relies on in the real client, and a log of what it was asked to do.
#include <windows.h>

#include <string>
#include <vector>

namespace standin {

inline constexpr int kTreeHostId = 4100;
inline constexpr int kTreeId = 2410;
inline constexpr int kNameFieldId = 28305;
inline constexpr int kPasswordFieldId = 28307;
inline constexpr int kConfirmId = 28312;

struct Options {
    std::wstring logPath;
    bool spy = false;
    UINT menuDelayMs = 0;
    UINT dialogDelayMs = 0;
    bool stickyDialog = false;  // the first confirm click creates nothing and leaves the dialog open
    DWORD setTextHangMs = 0;
    bool noTreeHost = false;
    bool noTree = false;
    std::vector<std::wstring> channels;
};

struct Channel {
    std::wstring name;
    std::wstring password;
};

// Rows of the tree: the root, then one per sub-channel.
inline constexpr int kRootRow = 0;
inline constexpr int kNoRow = -1;

struct State {
    Options options;
    std::wstring rootName = L"YY 频道";
    std::vector<Channel> channels;
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;
    HWND main = nullptr;
    HWND tree = nullptr;
    HWND createDialog = nullptr;
    HWND confirmation = nullptr;
    int confirmClicks = 0;
};
State& App();

// JSON Lines, UTF-8; every line has "event" and "time".
struct Field {
    const char* key;
    std::wstring text;  // used when isNumber is false
    long long number = 0;
    bool isNumber = false;
};
Field Text(const char* key, std::wstring text);
Field Number(const char* key, long long number);
void OpenLog(const std::wstring& path);
void LogEvent(const char* event, std::initializer_list<Field> fields);
// With --spy: one line per message a watched window receives.
void SpyMessage(const wchar_t* window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterTreeClass();
HWND CreateTree(HWND parent);
void RegisterDialogClasses();
void OpenCreateDialog();
void OpenConfirmation(const std::wstring& channel);
void RefreshTree();

}  // namespace standin
