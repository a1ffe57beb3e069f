// Placeholder until this part is built.
#include "runtime/win32/image_button.h"

namespace win {
std::unique_ptr<ControlWindow> CreateImageButton(HWND parent, const ui::ControlDef& def, int id) {
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_PUSHBUTTON | (def.visible ? WS_VISIBLE : 0),
                                  def.left, def.top, def.width, def.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    return std::make_unique<ControlWindow>(button, def, id);
}
}  // namespace win
