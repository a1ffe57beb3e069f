// Placeholder until this part is built.
#include "runtime/win32/file_dialog.h"

namespace win {
namespace {
class NoFileDialog : public ui::FileChooser {
public:
    std::optional<std::string> Choose(ui::FileDialogKind) override { return std::nullopt; }
};
}  // namespace

std::unique_ptr<ui::FileChooser> CreateFileDialog(HWND, const ui::ControlDef&) {
    return std::make_unique<NoFileDialog>();
}
}  // namespace win
