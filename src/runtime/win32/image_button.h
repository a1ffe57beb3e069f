#pragma once
// The ImageButton control kind: owner-drawn picture faces, hover tracked, clonable.
#include <windows.h>

#include <memory>

#include "runtime/form.h"
#include "runtime/win32/control_window.h"

namespace win {

// Creates the button as a child of `parent` with the place, size, text and visibility of `def`.
std::unique_ptr<ControlWindow> CreateImageButton(HWND parent, const ui::ControlDef& def, int id);

}  // namespace win
