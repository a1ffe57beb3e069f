#pragma once
// The FileDialog control kind: the form's common file dialog, shown over `owner`.
#include <windows.h>

#include <memory>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace win {

std::unique_ptr<ui::FileChooser> CreateFileDialog(HWND owner, const ui::ControlDef& def);

}  // namespace win
