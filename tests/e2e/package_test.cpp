// The unpacked release, started as a user starts it: the sample list and settings beside the exe
// must reach the main window. Runs when QUORVANE_PACKAGE_DIR names an unpacked copy of the zip
// (tests/package/check_package.sh prepares one); skipped otherwise.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"

namespace e2e {
namespace {

struct Row {
    std::wstring name;
    bool checked;
    friend bool operator==(const Row&, const Row&) = default;
};

// GetWindowText does not ask a control of another process for its text: WM_GETTEXT does.
std::wstring Text(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(child, name, static_cast<int>(std::size(name)));
            if (_wcsicmp(name, s->className) == 0) s->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MainWindowOf(DWORD processId) {
    HWND main = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = FindWindowW(L"QuorvaneForm", nullptr); w; w = FindWindowExW(nullptr, w, L"QuorvaneForm", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == processId && !ChildrenOfClass(w, WC_LISTVIEWW).empty()) main = w;
            }
            return main != nullptr;
        },
        15000);
    return main;
}

// A list view keeps its rows in its own process: the item record and the text buffer go there.
std::vector<Row> RowsOf(HWND list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return {};
    constexpr int kChars = 256;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
                                                     MEM_COMMIT, PAGE_READWRITE));
    std::vector<Row> rows;
    int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMW item{};
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(remote));
        wchar_t text[kChars] = {};
        ReadProcessMemory(process, item.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
        auto state = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
        rows.push_back({text, (state >> 12) == 2});
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

TEST(Package, SampleListAndSettingsReachTheMainWindow) {
    const wchar_t* folder = _wgetenv(L"QUORVANE_PACKAGE_DIR");
    if (!folder || !*folder) GTEST_SKIP() << "QUORVANE_PACKAGE_DIR names no unpacked release";

    ChildProcess quorvane(std::wstring(folder) + L"\\Quorvane.exe", {}, folder);
    ASSERT_TRUE(quorvane.Running());
    HWND main = MainWindowOf(quorvane.Id());
    ASSERT_NE(main, nullptr) << "no main window within 15 s";

    std::vector<HWND> lists = ChildrenOfClass(main, WC_LISTVIEWW);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(RowsOf(lists[0]), (std::vector<Row>{
                                    {L"一号房间", false}, {L"二号房间", false}, {L"三号房间", true}, {L"四号房间", false}}));

    // The password box stands left of the interval box.
    std::vector<HWND> edits = ChildrenOfClass(main, L"Edit");
    ASSERT_EQ(edits.size(), 2u);
    std::sort(edits.begin(), edits.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    EXPECT_EQ(Text(edits[0]), L"");
    EXPECT_EQ(Text(edits[1]), L"3000");
}

}  // namespace
}  // namespace e2e
