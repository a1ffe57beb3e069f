#pragma once
#include "runtime/form.h"

// The window the user works in: the channel list, the two boxes and the buttons of every operation.
const ui::FormDef& MainForm();

inline constexpr const char* kChannelListView = "超级列表框1";
inline constexpr const char* kPasswordBox = "编辑框2";
inline constexpr const char* kFrequencyBox = "编辑框1";
inline constexpr const char* kListFileDialog = "通用对话框1";
