#include "hotkeys/hotkey_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_os.h"
#include "shell/main_window_setup.h"
#include "shell/program_state.h"

namespace {

// Each procedure is known by the result it returns.
struct Call {
    os::LResult who;
    os::Hwnd window;
    std::uint32_t message;
    os::WParam wParam;
    os::LParam lParam;
    friend bool operator==(const Call&, const Call&) = default;
};
std::vector<Call> calls;

template <os::LResult kWho>
os::LResult OS_CALLBACK Recorder(os::Hwnd w, std::uint32_t m, os::WParam wp, os::LParam lp) {
    calls.push_back({kWho, w, m, wp, lp});
    return kWho;
}
constexpr os::WndProc OwnProc = Recorder<77>;
constexpr os::WndProc F3Handler = Recorder<3>;
constexpr os::WndProc F4Handler = Recorder<4>;
constexpr os::WndProc NewF3Handler = Recorder<33>;

constexpr std::uint32_t kF3 = 0x72;
constexpr std::uint32_t kF4 = 0x73;

class Hotkeys : public ::testing::Test {
protected:
    os::Hwnd main = nullptr;
    void SetUp() override {
        fake::Reset();
        CreateProgramState();
        calls.clear();
        main = os().AddTopWindow("main", "QuorvaneMain", "Quorvane");
        os().Get(main).proc = OwnProc;
    }
    void TearDown() override { ReleaseProgramState(); }
    static fake::Os& os() { return fake::TheOs(); }
    std::vector<std::string> Effects() const { return os().Lines({"hotkey", "unhotkey", "wndproc"}); }
    os::LResult Deliver(std::uint32_t message, os::WParam wParam, os::LParam lParam = 0) {
        return os().Get(main).proc(main, message, wParam, lParam);
    }
};

TEST_F(Hotkeys, BothFreeGetIdsOneAndTwoAndHookTheWindowOnce) {
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF3, F3Handler), 1);
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF4, F4Handler), 2);
    EXPECT_EQ(Effects(), (std::vector<std::string>{"hotkey main 1 0 0x72", "wndproc main", "hotkey main 2 0 0x73"}));
    ASSERT_EQ(Program().hotkeyTable.size(), 2u);
    EXPECT_EQ(Program().hotkeyTable[1]->id, 2);
    EXPECT_EQ(Program().hotkeyTable[1]->virtualKey, static_cast<std::int32_t>(kF4));
    EXPECT_EQ(Program().hotkeyCount, 2);
    EXPECT_EQ(Program().previousWndProc, OwnProc);
    EXPECT_EQ(os().Get(main).proc, HotkeyWndProc);

    EXPECT_EQ(Deliver(os::msg::kHotkey, 1, 0x720000), 3);
    EXPECT_EQ(Deliver(os::msg::kHotkey, 2), 4);
    EXPECT_EQ(calls, (std::vector<Call>{{3, main, os::msg::kHotkey, 1, 0x720000}, {4, main, os::msg::kHotkey, 2, 0}}))
        << "the previous procedure does not see a hot key that has a record";
}

TEST_F(Hotkeys, ARefusedKeyConsumesNoId) {
    os().refusedHotkeys = {kF3};
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF3, F3Handler), 0);
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF4, F4Handler), 1);
    EXPECT_EQ(Effects(), (std::vector<std::string>{"hotkey main 1 0 0x72", "hotkey main 1 0 0x73", "wndproc main"}));
    EXPECT_EQ(Program().hotkeyTable.size(), 1u);
    EXPECT_EQ(Deliver(os::msg::kHotkey, 1), 4);
}

TEST_F(Hotkeys, NeitherFreeLeavesTheWindowProcedureAlone) {
    os().refusedHotkeys = {kF3, kF4};
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF3, F3Handler), 0);
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF4, F4Handler), 0);
    EXPECT_EQ(os().Lines({"wndproc"}).size(), 0u);
    EXPECT_EQ(os().Get(main).proc, OwnProc);
    EXPECT_EQ(Program().hotkeyCount, 0);
}

TEST_F(Hotkeys, RegisteringAKeyAgainWithdrawsTheEarlierBinding) {
    RegisterGlobalHotkey(main, 0, kF3, F3Handler);
    RegisterGlobalHotkey(main, 0, kF4, F4Handler);
    os().log.clear();
    EXPECT_EQ(RegisterGlobalHotkey(main, 2, kF3, NewF3Handler), 3) << "other modifiers, same key";
    EXPECT_EQ(Effects(), (std::vector<std::string>{"unhotkey main 1", "hotkey main 3 2 0x72"}));
    EXPECT_EQ(Program().hotkeyTable.size(), 3u) << "the withdrawn record stays";
    EXPECT_EQ(Deliver(os::msg::kHotkey, 3), 33);
    EXPECT_EQ((os().hotkeys), (std::map<std::pair<os::Hwnd, int>, std::uint32_t>{{{main, 2}, kF4}, {{main, 3}, kF3}}));
}

TEST_F(Hotkeys, ARefusedReRegistrationLeavesTheKeyUnregistered) {
    RegisterGlobalHotkey(main, 0, kF3, F3Handler);
    RegisterGlobalHotkey(main, 0, kF4, F4Handler);
    os().refusedHotkeys = {kF3};
    EXPECT_EQ(RegisterGlobalHotkey(main, 0, kF3, NewF3Handler), 0);
    EXPECT_EQ((os().hotkeys), (std::map<std::pair<os::Hwnd, int>, std::uint32_t>{{{main, 2}, kF4}}));
    EXPECT_EQ(Program().hotkeyCount, 2);
}

TEST_F(Hotkeys, OtherMessagesAndUnknownIdsReachThePreviousProcedureUnchanged) {
    RegisterGlobalHotkey(main, 0, kF3, F3Handler);
    const Call expected[] = {
        {77, main, os::msg::kMouseMove, 5, -6},
        {77, main, os::msg::kHotkey, 0, 1},
        {77, main, os::msg::kHotkey, 2, 2},
        {77, main, os::msg::kHotkey, static_cast<os::WParam>(-1), 3},
    };
    for (const auto& c : expected) {
        calls.clear();
        EXPECT_EQ(Deliver(c.message, c.wParam, c.lParam), 77) << c.wParam;
        EXPECT_EQ(calls, (std::vector<Call>{c}));
    }
}

TEST_F(Hotkeys, AKeyOfAnotherWindowNeverHooksThatWindow) {
    os::Hwnd other = os().AddTopWindow("other", "Other", "");
    RegisterGlobalHotkey(main, 0, kF3, F3Handler);
    EXPECT_EQ(RegisterGlobalHotkey(other, 0, kF4, F4Handler), 2);
    EXPECT_EQ(os().Lines({"wndproc"}), (std::vector<std::string>{"wndproc main"}));
    EXPECT_EQ(os().Get(other).proc, nullptr);
}

TEST_F(Hotkeys, TheRunHandlersStartAndStop) {
    RegisterGlobalHotkey(main, 0, kF3, StartRunHotkey);
    RegisterGlobalHotkey(main, 0, kF4, StopRunHotkey);
    Deliver(os::msg::kHotkey, 2);
    EXPECT_EQ(Program().stopRequested, 1);
    Program().mainWindow.window = main;
    Deliver(os::msg::kHotkey, 1);
    EXPECT_EQ(os().Lines({"box"}),
              (std::vector<std::string>{"box \"创建完成,如果发现还有些没创建出来,请调整频率!\" \"\" 0x0"}))
        << "an empty list: the run started, cleared the earlier stop and completed";
}

}  // namespace
