#pragma once
// The channel list: a report-view list view with one column and a check box per row.
#include <windows.h>

#include <memory>

#include "runtime/controls.h"
#include "runtime/win32/control_window.h"

namespace win {

std::unique_ptr<ControlWindow> CreateChannelListView(HWND form, const ui::ControlDef& def, int id, int left, int top);

}  // namespace win
