#pragma once
// The control kinds the runtime builds itself: everything but image buttons and file dialogs.
#include <windows.h>

#include <memory>

#include "runtime/form.h"
#include "runtime/win32/control_window.h"

namespace win {

// `def` gives the kind, text, settings and size; `left`, `top` the place in the form's client area.
// Null for a kind that is not built here, or when the window cannot be made.
std::unique_ptr<ControlWindow> CreateStandardControl(HWND form, const ui::ControlDef& def, int id, int left, int top);

// Background colour of the forms and of the controls that paint their own.
COLORREF FormBackgroundColour();

}  // namespace win
