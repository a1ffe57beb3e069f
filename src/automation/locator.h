#pragma once
// Finds the client's windows. Every search is made when its result is needed; null when absent.
#include "runtime/os.h"

namespace client_id {
inline constexpr int kChannelTreeHost = 4100;
inline constexpr int kChannelTree = 2410;
inline constexpr int kNameField = 28305;
inline constexpr int kPasswordField = 28307;
inline constexpr int kConfirmControl = 28312;
}  // namespace client_id

os::Hwnd FindTopWindow(const char* className, const char* title);
os::Hwnd FindChannelTree();
os::Hwnd FindContextMenu();
os::Hwnd FindCreateDialogItem(int controlId);
os::Hwnd FindConfirmWindow();
