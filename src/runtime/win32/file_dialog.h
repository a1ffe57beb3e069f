#pragma once
// The FileDialog control kind: the form's common file dialog, shown over `owner`.
#include <windows.h>
#include <commdlg.h>

#include <memory>
#include <string>

#include "runtime/controls.h"
#include "runtime/form.h"

namespace win {

std::unique_ptr<ui::FileChooser> CreateFileDialog(HWND owner, const ui::ControlDef& def);

// What the dialog is asked for, the same for opening and saving; kept apart so that a test can
// read it without showing the dialog.
struct FileDialogSettings {
    // Pairs of description and pattern, each ended by a zero, the list by a second zero.
    std::wstring filter;
    DWORD filterIndex = 1;  // 1-based
    std::wstring defaultSuffix;
    DWORD flags = 0;
};
const FileDialogSettings& MainFileDialogSettings();

class FileDialog : public ui::FileChooser {
public:
    explicit FileDialog(HWND owner) : owner_(owner) {}
    std::optional<std::string> Choose(ui::FileDialogKind kind) override;

    // The request as GetOpenFileNameW / GetSaveFileNameW get it, over `buffer` for the chosen path.
    OPENFILENAMEW Request(std::wstring& buffer) const;
    HWND Owner() const { return owner_; }

private:
    HWND owner_;
};

}  // namespace win
