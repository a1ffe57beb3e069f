#include <gtest/gtest.h>
#include <windows.h>
// The common controls build on the types of <windows.h>.
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "runtime/win32/gbk.h"
#include "runtime/win32/message_loop.h"
#include "shell/program_state.h"
#include "shell/startup_data.h"

int StartRoutine();

namespace {

// Looks at the program's windows every few milliseconds from a thread timer, so it runs inside
// the program's own message loop, on its thread, between its messages.
class Watch {
public:
    using Look = std::function<void(DWORD elapsedMs)>;
    explicit Watch(Look look) {
        look_ = std::move(look);
        started_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, 10, &Watch::Tick);
    }
    ~Watch() { KillTimer(nullptr, timer_); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        const DWORD elapsed = GetTickCount() - started_;
        if (elapsed > 15000) {
            ADD_FAILURE() << "the program did not end";
            EnumThreadWindows(
                GetCurrentThreadId(), [](HWND w, LPARAM) { return DestroyWindow(w); }, 0);
            return;
        }
        look_(elapsed);
    }
    static inline Look look_;
    static inline DWORD started_ = 0;
    static inline UINT_PTR timer_ = 0;
};

struct ProgramWindows {
    HWND splash = nullptr;
    HWND main = nullptr;
    int mains = 0;
};

ProgramWindows FindProgramWindows() {
    ProgramWindows found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& found = *reinterpret_cast<ProgramWindows*>(context);
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (std::wstring_view(name) != L"QuorvaneForm") return TRUE;
            if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) {
                found.main = window;
                ++found.mains;
            } else {
                found.splash = window;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT PlaceInClient(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct Snapshot {
    bool taken = false;
    std::wstring caption;
    RECT outer{};
    LONG_PTR style = 0;
    struct Child {
        std::wstring className;
        std::wstring text;
        RECT place;
    };
    std::vector<Child> children;
    std::vector<std::pair<std::wstring, bool>> rows;
    std::wstring password;
    std::wstring frequency;
};

Snapshot TakeSnapshot(HWND main) {
    Snapshot shot;
    shot.taken = true;
    shot.caption = TextOf(main);
    GetWindowRect(main, &shot.outer);
    shot.style = GetWindowLongPtrW(main, GWL_STYLE);
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        shot.children.push_back({name, TextOf(child), PlaceInClient(child)});
        if (std::wstring_view(name) == WC_LISTVIEWW) {
            const int count = ListView_GetItemCount(child);
            for (int row = 0; row < count; ++row) {
                wchar_t text[256] = {};
                ListView_GetItemText(child, row, 0, text, 256);
                shot.rows.emplace_back(text, ListView_GetCheckState(child, row) != 0);
            }
        }
    }
    const MainWindowControls& known = Program().mainWindow;
    if (known.passwordBox) shot.password = win::Widen(known.passwordBox->Text());
    if (known.frequencyBox) shot.frequency = win::Widen(known.frequencyBox->Text());
    return shot;
}

const Snapshot::Child* ChildWithText(const Snapshot& shot, std::wstring_view text) {
    for (const auto& child : shot.children)
        if (child.text == text) return &child;
    return nullptr;
}

std::wstring RunDirectoryWide() { return win::Widen(RunDirectory()); }

// Files beside the test program, which is the executable whose run directory the program uses.
class FileBesideExe {
public:
    FileBesideExe(const wchar_t* name, const std::string& bytes) : path_(RunDirectoryWide() + L"\\" + name) {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~FileBesideExe() { DeleteFileW(path_.c_str()); }

private:
    std::wstring path_;
};

struct Timeline {
    DWORD splashSeen = 0;
    DWORD mainSeen = 0;
    DWORD splashGone = 0;
    int mostMains = 0;
    std::vector<HWND> mains;
    Snapshot shot;
};

// Runs the whole program (start routine, message loop, exit routine) while `act` looks on.
Timeline RunProgram(const std::function<void(const ProgramWindows&, Timeline&, DWORD)>& act) {
    Timeline line;
    Watch watch([&](DWORD elapsed) {
        const ProgramWindows now = FindProgramWindows();
        if (now.splash && !line.splashSeen) line.splashSeen = elapsed + 1;
        if (now.main) {
            if (!line.mainSeen) line.mainSeen = elapsed + 1;
            if (std::find(line.mains.begin(), line.mains.end(), now.main) == line.mains.end())
                line.mains.push_back(now.main);
        }
        if (line.mainSeen && !now.splash && !line.splashGone) line.splashGone = elapsed + 1;
        line.mostMains = std::max(line.mostMains, now.mains);
        act(now, line, elapsed);
    });
    EXPECT_EQ(StartRoutine(), 0);
    win::EndProgram();
    return line;
}

void CloseMainWhenSettled(const ProgramWindows& now, Timeline& line, DWORD elapsed) {
    // Waits a little past the hand-over so a second main window would have shown up.
    if (now.main && line.mainSeen && elapsed > line.mainSeen + 600) {
        if (!line.shot.taken) line.shot = TakeSnapshot(now.main);
        PostMessageW(now.main, WM_CLOSE, 0, 0);
    }
}

TEST(StartUp, TheMainWindowFollowsTheSplashOnceAfterTwoSecondsAndClosingItEnds) {
    const Timeline line = RunProgram(CloseMainWhenSettled);
    ASSERT_GT(line.splashSeen, 0u);
    ASSERT_GT(line.mainSeen, 0u);
    const DWORD handOver = line.mainSeen - line.splashSeen;
    EXPECT_GE(handOver, 1900u);
    EXPECT_LE(handOver, 3000u);
    EXPECT_EQ(line.mains.size(), 1u);
    EXPECT_EQ(line.mostMains, 1);
    ASSERT_GT(line.splashGone, 0u);
    EXPECT_LE(line.splashGone - line.mainSeen, 300u);
    EXPECT_EQ(FindProgramWindows().main, nullptr);
}

TEST(StartUp, ClosingTheSplashEarlyEndsTheProgramWithoutAMainWindow) {
    const Timeline line = RunProgram([](const ProgramWindows& now, Timeline&, DWORD) {
        if (now.splash) PostMessageW(now.splash, WM_CLOSE, 0, 0);
    });
    EXPECT_GT(line.splashSeen, 0u);
    EXPECT_EQ(line.mainSeen, 0u);
    // The splash timer died with its window: nothing appears later either.
    const DWORD until = GetTickCount() + 2500;
    MSG message;
    while (GetTickCount() < until) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    EXPECT_EQ(FindProgramWindows().main, nullptr);
}

TEST(StartUp, TheExitRoutineRunsOnceOnAnOrderlyEnd) {
    static int runs = 0;
    ui::SetExitRoutine([] { ++runs; });
    win::EndProgram();
    win::EndProgram();
    EXPECT_EQ(runs, 1);
}

TEST(StartUp, TheMainWindowHasTheFormsLayout) {
    const Snapshot shot = RunProgram(CloseMainWhenSettled).shot;
    ASSERT_TRUE(shot.taken);
    EXPECT_EQ(shot.caption, L"Quorvane");
    EXPECT_EQ(shot.outer.right - shot.outer.left, 438);
    EXPECT_EQ(shot.outer.bottom - shot.outer.top, 502);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((shot.outer.left + shot.outer.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((shot.outer.top + shot.outer.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_TRUE(shot.style & WS_MINIMIZEBOX);
    EXPECT_FALSE(shot.style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(shot.style & WS_THICKFRAME);

    struct Expected {
        std::wstring text;
        RECT place;
    };
    // Buttons stand where the form puts them inside their group: group place plus their own.
    const Expected expected[] = {
        {L"列表操作", {325, 1, 428, 272}},
        {L"YY窗口操作", {325, 271, 428, 359}},
        {L"添加/导入\r\n ↓调整频道\r\n ↓锁定密码\r\n ↓创建频道\r\n ↓完成", {330, 359, 424, 441}},
        {L"密码:                       频率:", {5, 449, 389, 466}},
        {L"添加频道", {338, 15, 418, 35}},
        {L"编辑", {338, 38, 418, 58}},
        {L"删除", {338, 61, 418, 81}},
        {L"全部删除", {338, 84, 418, 104}},
        {L"上移", {338, 107, 418, 127}},
        {L"下移", {338, 131, 418, 151}},
        {L"导入", {338, 154, 418, 174}},
        {L"导出", {338, 177, 418, 197}},
        {L"检查更新", {338, 200, 418, 220}},
        {L"问题反馈", {338, 223, 418, 243}},
        {L"使用说明", {338, 246, 418, 266}},
        {L"创建频道(&F1)", {336, 287, 416, 307}},
        {L"停止创建(&F2)", {336, 311, 416, 331}},
        {L"删除全部", {336, 335, 416, 355}},
    };
    for (const Expected& e : expected) {
        const Snapshot::Child* child = ChildWithText(shot, e.text);
        ASSERT_NE(child, nullptr) << win::Narrow(e.text);
        EXPECT_EQ(child->place.left, e.place.left) << win::Narrow(e.text);
        EXPECT_EQ(child->place.top, e.place.top) << win::Narrow(e.text);
        EXPECT_EQ(child->place.right, e.place.right) << win::Narrow(e.text);
        EXPECT_EQ(child->place.bottom, e.place.bottom) << win::Narrow(e.text);
    }
    int edits = 0;
    for (const auto& child : shot.children) {
        if (child.className == WC_LISTVIEWW) {
            EXPECT_EQ(child.place.left, 5);
            EXPECT_EQ(child.place.top, 1);
            EXPECT_EQ(child.place.right - child.place.left, 316);
            EXPECT_EQ(child.place.bottom - child.place.top, 436);
        }
        if (child.className == L"Edit") {
            ++edits;
            EXPECT_EQ(child.place.top, 449);
            EXPECT_EQ(child.place.bottom - child.place.top, 17);
            EXPECT_TRUE(child.place.left == 52 || child.place.left == 305);
        }
    }
    EXPECT_EQ(edits, 2);
}

const char kDefaultList[] = "a\r\n频道二|锁|\r\n乗\r\n";
const char kSettings[] = "[load]\r\n密码=密码乗1\r\n频率=3000\r\n[other]\r\n频率=1\r\n";

void ExpectFilledFromTheFiles(const Snapshot& shot) {
    ASSERT_TRUE(shot.taken);
    const std::vector<std::pair<std::wstring, bool>> rows = {{L"a", false}, {L"频道二", true}, {L"乗", false}};
    EXPECT_EQ(shot.rows, rows);
    EXPECT_EQ(shot.password, L"密码乗1");
    EXPECT_EQ(shot.frequency, L"3000");
}

TEST(StartUp, TheDefaultListAndTheSettingsBesideTheExeFillTheWindow) {
    FileBesideExe list(L"默认频道.txt", kDefaultList);
    FileBesideExe settings(L"load.ini", kSettings);
    ExpectFilledFromTheFiles(RunProgram(CloseMainWhenSettled).shot);
}

TEST(StartUp, WithoutTheFilesTheListAndBothBoxesAreEmpty) {
    const Snapshot shot = RunProgram(CloseMainWhenSettled).shot;
    ASSERT_TRUE(shot.taken);
    EXPECT_TRUE(shot.rows.empty());
    EXPECT_EQ(shot.password, L"");
    EXPECT_EQ(shot.frequency, L"");
}

// Run on its own under code page 1252 (see tests/CMakeLists.txt): the texts of the windows, the
// GBK list and the GBK settings come out right on a Windows whose language is not Chinese.
TEST(StartUpOnAnyCodePage, WindowTextsListAndSettingsAreRight) {
    if (GetACP() == 936) GTEST_SKIP() << "runs under code page 1252 on its own";
    FileBesideExe list(L"默认频道.txt", kDefaultList);
    FileBesideExe settings(L"load.ini", kSettings);
    const Snapshot shot = RunProgram(CloseMainWhenSettled).shot;
    ExpectFilledFromTheFiles(shot);
    EXPECT_EQ(shot.caption, L"Quorvane");
    EXPECT_NE(ChildWithText(shot, L"创建频道(&F1)"), nullptr);
    EXPECT_NE(ChildWithText(shot, L"YY窗口操作"), nullptr);
    EXPECT_NE(ChildWithText(shot, L"密码:                       频率:"), nullptr);
}

}  // namespace
