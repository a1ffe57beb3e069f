#include "automation/locator.h"

// The client's class names and titles are GBK, as the window manager compares them there.
static_assert(sizeof("创建子频道") == 11, "narrow literals must be compiled to GBK");

namespace {
constexpr const char* kChannelWindowClass = "YYChannelWindow";
constexpr const char* kPopupMenuClass = "#32768";
constexpr const char* kCreateDialogClass = "create sub channel";
constexpr const char* kCreateDialogTitle = "创建子频道";
constexpr const char* kConfirmWindowClass = "MessageWnd";
constexpr const char* kConfirmWindowTitle = "请确认你的操作";
}  // namespace

os::Hwnd FindTopWindow(const char* className, const char* title) {
    return os::FindWindowEx(nullptr, nullptr, className, title);
}

os::Hwnd FindChannelTree() {
    os::Hwnd channelWindow = FindTopWindow(kChannelWindowClass, nullptr);
    os::Hwnd host = os::GetDlgItem(channelWindow, client_id::kChannelTreeHost);
    return os::GetDlgItem(host, client_id::kChannelTree);
}

// The system's pop-up menus have an empty title; a null one would also match other "#32768" windows.
os::Hwnd FindContextMenu() { return FindTopWindow(kPopupMenuClass, ""); }

os::Hwnd FindCreateDialogItem(int controlId) {
    return os::GetDlgItem(FindTopWindow(kCreateDialogClass, kCreateDialogTitle), controlId);
}

os::Hwnd FindConfirmWindow() { return FindTopWindow(kConfirmWindowClass, kConfirmWindowTitle); }
