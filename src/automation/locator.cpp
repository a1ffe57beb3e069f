// Placeholder until this part is built.
#include "automation/locator.h"

os::Hwnd FindTopWindow(const char*, const char*) { return nullptr; }
os::Hwnd FindChannelTree() { return nullptr; }
os::Hwnd FindContextMenu() { return nullptr; }
os::Hwnd FindCreateDialogItem(int) { return nullptr; }
os::Hwnd FindConfirmWindow() { return nullptr; }
