#include "runtime/win32/file_dialog.h"

#include "runtime/win32/gbk.h"

namespace win {
namespace {

// Room for long paths; the dialog fails rather than cut a path that does not fit.
constexpr std::size_t kPathCapacity = 32768;

std::wstring DialogFilter(std::string_view gbkPipeList) {
    std::wstring filter = Widen(gbkPipeList);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

const FileDialogSettings& MainFileDialogSettings() {
    // The pattern has no dot on purpose: it lists every name that ends in txt.
    static const FileDialogSettings settings{
        .filter = DialogFilter("文本文档(*.txt)|*txt"),
        .filterIndex = 1,
        .defaultSuffix = L"txt",
        .flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER,
    };
    return settings;
}

std::unique_ptr<ui::FileChooser> CreateFileDialog(HWND owner, const ui::ControlDef&) {
    return std::make_unique<FileDialog>(owner);
}

OPENFILENAMEW FileDialog::Request(std::wstring& buffer) const {
    const FileDialogSettings& settings = MainFileDialogSettings();
    buffer.assign(kPathCapacity, L'\0');
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner_;
    request.lpstrFilter = settings.filter.c_str();
    request.nFilterIndex = settings.filterIndex;
    request.lpstrFile = buffer.data();
    request.nMaxFile = static_cast<DWORD>(buffer.size());
    request.lpstrDefExt = settings.defaultSuffix.c_str();
    request.Flags = settings.flags;
    return request;
}

std::optional<std::string> FileDialog::Choose(ui::FileDialogKind kind) {
    std::wstring buffer;
    OPENFILENAMEW request = Request(buffer);
    const BOOL chosen = kind == ui::FileDialogKind::Open ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
    if (!chosen) return std::nullopt;
    buffer.resize(buffer.find(L'\0'));
    return Narrow(buffer);
}

}  // namespace win
