#include "runtime/win32/file_dialog.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileDialog, AsksForTheMainWindowsSettings) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto chooser = win::CreateFileDialog(owner, ui::ControlDef{.kind = ui::ControlKind::FileDialog, .name = "通用对话框1"});
    auto* dialog = dynamic_cast<win::FileDialog*>(chooser.get());
    ASSERT_NE(dialog, nullptr);

    std::wstring buffer;
    const OPENFILENAMEW request = dialog->Request(buffer);
    EXPECT_EQ(request.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(request.hwndOwner, owner);
    const std::wstring filter(request.lpstrFilter, 18);
    EXPECT_EQ(filter, std::wstring(L"文本文档(*.txt)\0*txt\0\0", 18)) << "the pattern has no dot";
    EXPECT_EQ(request.nFilterIndex, 1u);
    EXPECT_STREQ(request.lpstrDefExt, L"txt");
    EXPECT_EQ(request.lpstrTitle, nullptr);
    EXPECT_EQ(request.lpstrInitialDir, nullptr);
    EXPECT_EQ(request.lpstrFile[0], L'\0');
    EXPECT_GE(request.nMaxFile, static_cast<DWORD>(MAX_PATH));
    EXPECT_EQ(request.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                                                OFN_NOCHANGEDIR | OFN_EXPLORER));
    EXPECT_EQ(request.Flags & (OFN_FILEMUSTEXIST | OFN_CREATEPROMPT), 0u) << "the file need not exist";
    DestroyWindow(owner);
}
