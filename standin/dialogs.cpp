#include <string>

#include "standin.h"

namespace standin {
namespace {

constexpr UINT_PTR kDialogDelayTimer = 2;
WNDPROC editProc = nullptr;
bool confirmPressed = false;
std::wstring confirmingChannel;

std::wstring TextOf(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(size_t(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(size_t(length));
    return text;
}

void SetFont(HWND window) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(App().font ? App().font : GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
           int height, int id = 0) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(INT_PTR{id}), App().instance, nullptr);
    SetFont(child);
    return child;
}

void CreateChannel() {
    HWND dialog = App().createDialog;
    if (App().options.stickyDialog && App().confirmClicks++ == 0) {
        LogEvent("confirm-ignored", {});
        return;
    }
    Channel channel{TextOf(GetDlgItem(dialog, kNameFieldId)), TextOf(GetDlgItem(dialog, kPasswordFieldId))};
    App().channels.push_back(channel);
    LogEvent("created", {Text("name", channel.name), Text("password", channel.password),
                         Number("locked", channel.password.empty() ? 0 : 1)});
    RefreshTree();
    DestroyWindow(dialog);
}

void DeleteChannel() {
    auto& channels = App().channels;
    for (auto it = channels.begin(); it != channels.end(); ++it) {
        if (it->name != confirmingChannel) continue;
        LogEvent("deleted", {Text("name", it->name), Text("password", it->password)});
        channels.erase(it);
        break;
    }
    RefreshTree();
    DestroyWindow(App().confirmation);
}

// The name and password fields are standard edits, watched for the spy log and, with
// --settext-hang, made to hang on WM_SETTEXT.
LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    SpyMessage(GetDlgCtrlID(field) == kNameFieldId ? L"name" : L"password", message, wParam, lParam);
    if (message == WM_SETTEXT && App().options.setTextHangMs) Sleep(App().options.setTextHangMs);
    return CallWindowProcW(editProc, field, message, wParam, lParam);
}

// A control of our own rather than a BUTTON, so a posted press and release is a click whatever
// the button's capture and focus state would say.
LRESULT CALLBACK ConfirmProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    SpyMessage(L"confirm", message, wParam, lParam);
    switch (message) {
        case WM_LBUTTONDOWN: confirmPressed = true; return 0;
        case WM_LBUTTONUP:
            if (!confirmPressed) return 0;
            confirmPressed = false;
            CreateChannel();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(control, &ps);
            RECT area;
            GetClientRect(control, &area);
            DrawFrameControl(dc, &area, DFC_BUTTON, DFCS_BUTTONPUSH);
            SetBkMode(dc, TRANSPARENT);
            HGDIOBJ oldFont = SelectObject(dc, App().font ? App().font : GetStockObject(DEFAULT_GUI_FONT));
            DrawTextW(dc, L"确定", -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            SelectObject(dc, oldFont);
            EndPaint(control, &ps);
            return 0;
        }
        default: return DefWindowProcW(control, message, wParam, lParam);
    }
}

LRESULT CALLBACK CreateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            Child(dialog, L"STATIC", L"子频道名称:", 0, 12, 16, 80, 20);
            Child(dialog, L"STATIC", L"密码:", 0, 12, 50, 80, 20);
            HWND name = Child(dialog, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 96, 12, 190, 24, kNameFieldId);
            HWND password = Child(dialog, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 96, 46, 190, 24, kPasswordFieldId);
            editProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(name, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc)));
            SetWindowLongPtrW(password, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc));
            Child(dialog, L"StandinConfirm", L"确定", 0, 110, 86, 80, 28, kConfirmId);
            return 0;
        }
        case WM_DESTROY:
            if (App().createDialog == dialog) App().createDialog = nullptr;
            LogEvent("dialog-closed", {});
            return 0;
        default: return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

void ShowCreateDialog() {
    if (App().createDialog) return;
    App().confirmClicks = 0;
    confirmPressed = false;
    App().createDialog = CreateWindowExW(0, L"create sub channel", L"创建子频道",
                                         WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 440, 120, 310, 160, nullptr,
                                         nullptr, App().instance, nullptr);
    LogEvent("dialog", {});
}

LRESULT CALLBACK ConfirmationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SpyMessage(L"confirmation", message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            Child(window, L"STATIC", (L"确定要删除频道“" + confirmingChannel + L"”吗?  按 Y 确认。").c_str(), 0, 12, 20,
                  280, 40);
            return 0;
        case WM_KEYDOWN:
            if (wParam == 'Y') DeleteChannel();
            return 0;
        case WM_CLOSE: {
            // A message sent from another process is handled before the keys it posted earlier;
            // take those keys first, as the user pressed them before asking to close.
            MSG queued;
            while (IsWindow(window) && PeekMessageW(&queued, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
                DispatchMessageW(&queued);
            if (IsWindow(window)) DestroyWindow(window);
            return 0;
        }
        case WM_DESTROY:
            if (App().confirmation == window) App().confirmation = nullptr;
            LogEvent("confirmation-closed", {});
            return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The dialog delay is timed on a message-only window, so it needs no window of the tree.
LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kDialogDelayTimer) {
        KillTimer(window, kDialogDelayTimer);
        ShowCreateDialog();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND timerWindow = nullptr;

void Register(const wchar_t* name, WNDPROC proc, HBRUSH background) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = App().instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

}  // namespace

void RegisterDialogClasses() {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    Register(L"create sub channel", CreateDialogProc, face);
    Register(L"StandinConfirm", ConfirmProc, face);
    Register(L"MessageWnd", ConfirmationProc, face);
    Register(L"StandinTimer", TimerProc, nullptr);
    timerWindow = CreateWindowExW(0, L"StandinTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, App().instance, nullptr);
}

void OpenCreateDialog() {
    if (App().options.dialogDelayMs)
        SetTimer(timerWindow, kDialogDelayTimer, App().options.dialogDelayMs, nullptr);
    else
        ShowCreateDialog();
}

void OpenConfirmation(const std::wstring& channel) {
    if (App().confirmation) return;
    confirmingChannel = channel;
    App().confirmation = CreateWindowExW(0, L"MessageWnd", L"请确认你的操作", WS_POPUP | WS_CAPTION | WS_VISIBLE, 440,
                                         300, 310, 110, nullptr, nullptr, App().instance, nullptr);
    LogEvent("confirmation", {Text("name", channel)});
}

}  // namespace standin
