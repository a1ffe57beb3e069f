#pragma once
#include "runtime/form.h"

// The add/edit window: the list's text in one box and a row of buttons built when it opens.
const ui::FormDef& AddEditForm();

inline constexpr const char* kListTextBox = "编辑框1";
inline constexpr const char* kTemplateButton = "图片按钮1";
inline constexpr const char* kNormalFaceResource = "BUTTON_NORMAL";
inline constexpr const char* kHoverFaceResource = "BUTTON_HOVER";
