#include "automation/input.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "fake_os.h"
#include "shell/program_state.h"

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

class InputTest : public testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        tree = os().AddTopWindow("tree", "Tree", "", {300, 200});
    }
    fake::Os& os() { return fake::TheOs(); }
    os::Hwnd tree = nullptr;
};

struct MouseCase {
    const char* what;
    bool nullWindow;
    std::optional<std::int32_t> x, y;
    int button, action;
    std::vector<std::string> posted;
};

class PostMouseTest : public InputTest, public testing::WithParamInterface<MouseCase> {};

TEST_P(PostMouseTest, PostsTheSequence) {
    const MouseCase& c = GetParam();
    PostMouse(c.nullWindow ? nullptr : tree, c.x, c.y, c.button, c.action);
    EXPECT_THAT(os().log, ElementsAreArray(c.posted)) << c.what;
}

// (32, 8) packs to 524320; shifted it is 25625193 (low word 617, high word 391).
INSTANTIATE_TEST_SUITE_P(
    Table, PostMouseTest,
    testing::Values(
        MouseCase{"right click", false, 32, 8, 2, 0,
                  {"post tree WM_MOUSEMOVE 2 524320", "post tree WM_RBUTTONDOWN 2 524320",
                   "post tree WM_RBUTTONUP 2 524320", "post tree WM_CONTEXTMENU 132782 25625193"}},
        MouseCase{"null window, point omitted", true, {}, {}, 0, 0,
                  {"post desktop WM_MOUSEMOVE 2 131074", "post desktop WM_LBUTTONDOWN 1 131074",
                   "post desktop WM_LBUTTONUP 0 131074"}},
        MouseCase{"button 1 and action 1 are a left click", false, 10, 10, 1, 1,
                  {"post tree WM_MOUSEMOVE 2 655370", "post tree WM_LBUTTONDOWN 1 655370",
                   "post tree WM_LBUTTONUP 0 655370"}},
        MouseCase{"left double click has no second release", false, 1, 0, 0, 2,
                  {"post tree WM_MOUSEMOVE 2 1", "post tree WM_LBUTTONDOWN 1 1", "post tree WM_LBUTTONUP 0 1",
                   "post tree WM_LBUTTONDBLCLK 0 1"}},
        MouseCase{"right double click", false, 0, 0, 2, 2,
                  {"post tree WM_MOUSEMOVE 2 0", "post tree WM_RBUTTONDOWN 2 0", "post tree WM_RBUTTONUP 2 0",
                   "post tree WM_RBUTTONDBLCLK 0 0", "post tree WM_CONTEXTMENU 132782 25100873"}},
        MouseCase{"middle click", false, 0, 1, 3, 0,
                  {"post tree WM_MOUSEMOVE 2 65536", "post tree WM_MBUTTONDOWN 16 65536",
                   "post tree WM_MBUTTONUP 0 65536"}},
        MouseCase{"middle double click", false, 0, 0, 3, 2,
                  {"post tree WM_MOUSEMOVE 2 0", "post tree WM_MBUTTONDOWN 16 0", "post tree WM_MBUTTONUP 0 0",
                   "post tree WM_MBUTTONDBLCLK 0 0"}},
        MouseCase{"left press", false, 0, 0, 0, 3, {"post tree WM_MOUSEMOVE 2 0", "post tree WM_LBUTTONDOWN 1 0"}},
        MouseCase{"middle release", false, 0, 0, 3, 4, {"post tree WM_MOUSEMOVE 2 0", "post tree WM_MBUTTONUP 0 0"}},
        MouseCase{"right press still opens the menu", false, 0, 0, 2, 3,
                  {"post tree WM_MOUSEMOVE 2 0", "post tree WM_RBUTTONDOWN 2 0",
                   "post tree WM_CONTEXTMENU 132782 25100873"}},
        MouseCase{"right release", false, 0, 0, 2, 4,
                  {"post tree WM_MOUSEMOVE 2 0", "post tree WM_RBUTTONUP 2 0",
                   "post tree WM_CONTEXTMENU 132782 25100873"}},
        MouseCase{"right with an unknown action", false, 0, 0, 2, 7,
                  {"post tree WM_MOUSEMOVE 2 0", "post tree WM_CONTEXTMENU 132782 25100873"}},
        MouseCase{"left with an unknown action", false, 0, 0, 0, 9, {"post tree WM_MOUSEMOVE 2 0"}},
        MouseCase{"unknown button", false, 5, 5, 6, 0, {"post tree WM_MOUSEMOVE 2 327685"}},
        MouseCase{"wheel forward", false, 32, 8, 4, 0, {"post tree WM_MOUSEWHEEL 7864336 25625193"}},
        MouseCase{"wheel backward", false, 32, 8, 5, 3, {"post tree WM_MOUSEWHEEL 4287102992 25625193"}},
        MouseCase{"negative x borrows from y", false, -1, 1, 6, 0, {"post tree WM_MOUSEMOVE 2 65535"}},
        MouseCase{"negative point", false, -1, 0, 6, 0, {"post tree WM_MOUSEMOVE 2 -1"}},
        MouseCase{"sum beyond 32 bits wraps", false, 0, 40000, 6, 0, {"post tree WM_MOUSEMOVE 2 -1673527296"}},
        MouseCase{"extreme point", false, INT32_MAX, INT32_MAX, 4, 0,
                  {"post tree WM_MOUSEWHEEL 7864336 -2122448312"}}));

TEST_F(InputTest, MoveCursorAddsTheClientOrigin) {
    MoveCursor(nullptr, 80, 130);
    MoveCursor(tree, 80, 130);
    os::Hwnd gone = os().AddTopWindow("gone", "Gone", "", {500, 500});
    os().Destroy(gone);
    MoveCursor(gone, 5, 6);  // ClientToScreen fails: the point counts as a screen point
    EXPECT_THAT(os().log, ElementsAre("cursor 80 130", "cursor 380 330", "cursor 5 6"));
}

struct ClickCase {
    int button, action;
    std::vector<std::string> events;
};

TEST_F(InputTest, SynthClickSendsTheButtonEvents) {
    const std::vector<ClickCase> cases = {
        {0, 0, {"mouse 0x2", "mouse 0x4"}},
        {1, 1, {"mouse 0x2", "mouse 0x4"}},
        {2, 0, {"mouse 0x8", "mouse 0x10"}},
        {3, 0, {"mouse 0x20", "mouse 0x40"}},
        {0, 3, {"mouse 0x2"}},
        {2, 4, {"mouse 0x10"}},
        {3, 3, {"mouse 0x20"}},
        {4, 0, {}},
        {5, 0, {}},
        {0, 5, {}},
    };
    for (const auto& c : cases) {
        fake::Reset();
        SynthClick(c.button, c.action);
        EXPECT_THAT(fake::TheOs().log, ElementsAreArray(c.events)) << "button " << c.button << " action " << c.action;
    }
}

TEST_F(InputTest, DoubleClickWaitsTheDoubleClickTimeBetweenTheClicks) {
    os().doubleClickTime = 430;
    std::uint32_t start = os().now;
    SynthClick(0, 2);
    EXPECT_THAT(os().log, ElementsAre("mouse 0x2", "mouse 0x4", "timer create", "timer set -4300000",
                                      "msgwait infinite", "timer close", "mouse 0x2", "mouse 0x4"));
    EXPECT_EQ(os().now - start, 430u);
}

struct WaitCase {
    std::optional<std::int32_t> amount, unit;
    std::string due;
    std::uint32_t waitedMs;
};

TEST_F(InputTest, TimerWaitTurnsAmountAndUnitIntoADueTime) {
    const std::vector<WaitCase> cases = {
        {2, 1, "-20000000", 2000},
        {5, 7, "-350000", 35},
        {10, {}, "-100000", 10},
        {10, 0, "-100000", 10},
        {1, 2, "-600000000", 60000},
        {1, 3, "-36000000000", 3600000},
        {0, 0, "0", 0},
        {-3, 0, "30000", 0},   // at or above zero: long past
        {{}, {}, "0", 0},      // the omitted amount counts as 0 whatever the factor
        {4, -2, "80000", 0},   // a negative unit makes the time positive: long past
    };
    for (const auto& c : cases) {
        fake::Reset();
        auto& fake = fake::TheOs();
        std::uint32_t start = fake.now;
        EXPECT_TRUE(TimerWait(c.amount, c.unit));
        EXPECT_THAT(fake.Lines({"timer"}), ElementsAre("timer create", "timer set " + c.due, "timer close"))
            << c.amount.value_or(-999) << " " << c.unit.value_or(-999);
        EXPECT_EQ(fake.now - start, c.waitedMs) << c.due;
    }
}

TEST_F(InputTest, TimerWaitDueTimeSaturatesInsteadOfOverflowing) {
    os().failSetWaitableTimer = true;  // only the due time matters here
    TimerWait(INT32_MAX, 3);
    TimerWait(INT32_MIN, 3);
    EXPECT_THAT(os().Lines({"timer set"}),
                ElementsAre("timer set " + std::to_string(INT64_MIN), "timer set " + std::to_string(INT64_MAX)));
}

TEST_F(InputTest, TimerWaitEndsAtOnceWhenTheTimerCannotBeUsed) {
    os().failWaitableTimer = true;
    EXPECT_TRUE(TimerWait(5, 1));
    EXPECT_THAT(os().log, ElementsAre("timer create"));

    fake::Reset();
    fake::TheOs().failSetWaitableTimer = true;
    EXPECT_TRUE(TimerWait(5, 1));
    EXPECT_THAT(fake::TheOs().log, ElementsAre("timer create", "timer set -50000000", "timer close"));
    EXPECT_EQ(fake::TheOs().now, 1000u);
}

TEST_F(InputTest, TimerWaitDispatchesMessagesWhileItWaits) {
    int handled = 0;
    os().At(1300, [&] { fake::TheOs().Post(0x0400, [&] { ++handled; }); });
    TimerWait(1, 1);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(os().now, 2000u);
}

TEST_F(InputTest, TimerWaitLeavesQuitQueuedAndStops) {
    os().Post(os::msg::kQuit);
    TimerWait(1, 1);
    ASSERT_EQ(os().queue.size(), 1u);
    EXPECT_EQ(os().queue.front().id, os::msg::kQuit);
    EXPECT_EQ(os().Lines({"msgwait"}).size(), 1u);
}

TEST_F(InputTest, PostKeyPostsPressAndRelease) {
    const std::vector<std::tuple<int, bool, std::vector<std::string>>> cases = {
        {0, false, {"post tree WM_KEYDOWN 89 0", "post tree WM_KEYUP 89 0"}},
        {9, false, {"post tree WM_KEYDOWN 89 0", "post tree WM_KEYUP 89 0"}},
        {0, true, {"post tree WM_SYSKEYDOWN 89 0", "post tree WM_SYSKEYUP 89 0"}},
        {1, true, {"post tree WM_CHAR 89 0"}},
        {1, false, {"post tree WM_CHAR 89 0"}},
        {3, false, {"post tree WM_KEYDOWN 89 0"}},
        {4, true, {"post tree WM_SYSKEYUP 89 0"}},
    };
    for (const auto& [action, systemKey, posted] : cases) {
        fake::TheOs().log.clear();
        PostKey(tree, 0x59, action, systemKey);
        EXPECT_THAT(fake::TheOs().log, ElementsAreArray(posted)) << action << " " << systemKey;
    }
    fake::TheOs().log.clear();
    PostKey(tree, 0x59);
    EXPECT_THAT(os().log, ElementsAre("post tree WM_KEYDOWN 89 0", "post tree WM_KEYUP 89 0"));
}

TEST_F(InputTest, SendTextSetsTheTextAndNothingForANullWindow) {
    SendText(nullptr, "name");
    SendText(tree, "频道一");
    SendText(tree, nullptr);
    EXPECT_THAT(os().log, ElementsAre("settext tree \"频道一\"", "settext tree null"));
    EXPECT_THAT(os().Get(tree).texts, ElementsAre("频道一", "null"));
}

TEST_F(InputTest, SendTextToAHungWindowGivesUpAfterItsBound) {
    os().sendTextHangs = true;
    std::uint32_t start = os().now;
    SendText(tree, "x");
    EXPECT_EQ(os().now - start, 5000u);
}

TEST_F(InputTest, CursorIsSavedAndRestored) {
    CreateProgramState();
    os().cursor = {7, 9};
    EXPECT_EQ(SaveCursorPos(), (os::Point{7, 9}));
    EXPECT_EQ(*Program().savedCursorPos, (os::Point{7, 9}));
    os().cursor = {500, 500};
    RestoreCursorPos();
    RestoreCursorPos(os::Point{-4, 12});
    EXPECT_THAT(os().log, ElementsAre("cursor 7 9", "cursor -4 12"));
    ReleaseProgramState();
}

TEST_F(InputTest, PumpEventsStopsBeforeQuit) {
    std::vector<int> handled;
    for (int i = 0; i < 3; ++i) os().Post(0x0400, [&, i] { handled.push_back(i); });
    os().Post(os::msg::kQuit, [&] { handled.push_back(-1); });
    os().Post(0x0400, [&] { handled.push_back(9); });
    PumpEvents();
    EXPECT_THAT(handled, ElementsAre(0, 1, 2));
    ASSERT_EQ(os().queue.size(), 2u);
    EXPECT_EQ(os().queue.front().id, os::msg::kQuit);
}

TEST_F(InputTest, PumpingDelayOfNothingReturnsWithoutPumping) {
    for (std::int32_t ms : {0, -5, INT32_MIN}) {
        int handled = 0;
        os().Post(0x0400, [&] { ++handled; });
        PumpingDelay(ms);
        EXPECT_EQ(handled, 0) << ms;
        os().queue.clear();
    }
    EXPECT_THAT(os().log, IsEmpty());
    EXPECT_EQ(os().now, 1000u);
}

TEST_F(InputTest, PumpingDelayBlocksUntilTheTickCountHasPassedTheEnd) {
    PumpingDelay(1000);
    EXPECT_EQ(os().now, 2001u);
    EXPECT_THAT(os().Lines({"msgwait"}), ElementsAre("msgwait 1001"));
}

TEST_F(InputTest, PumpingDelayHandlesMessagesAsTheyCome) {
    std::vector<std::uint32_t> handledAt;
    for (std::uint32_t tick : {1200u, 1700u, 1999u})
        os().At(tick, [&] { fake::TheOs().Post(0x0400, [&] { handledAt.push_back(fake::TheOs().now); }); });
    int early = 0;
    os().Post(0x0400, [&] { ++early; });  // already queued when the delay starts
    PumpingDelay(1000);
    EXPECT_EQ(early, 1);
    EXPECT_THAT(handledAt, ElementsAre(1200u, 1700u, 1999u));
    EXPECT_EQ(os().now, 2001u);
    // One wait per wake-up, with the time that is left: no spinning.
    EXPECT_THAT(os().Lines({"msgwait"}), ElementsAre("msgwait 1001", "msgwait 801", "msgwait 301", "msgwait 2"));
}

TEST_F(InputTest, PumpingDelayReturnsLateWhenAHandlerTookLonger) {
    os().At(1100, [&] { fake::TheOs().Post(0x0400, [&] { fake::TheOs().now += 3000; }); });
    PumpingDelay(1000);
    EXPECT_EQ(os().now, 4100u);
    EXPECT_EQ(os().Lines({"msgwait"}).size(), 1u);
}

TEST_F(InputTest, PumpingDelayLastsItsTimeAcrossTheTickCountWrap) {
    // Start + ms wraps to 0x2E8: "tick > end" would hold at once. The clock itself wraps inside
    // a handler, as the fake's clock cannot run past 2^32 on its own.
    os().now = 0xFFFFFF00u;
    os().At(0xFFFFFFC8u, [&] { fake::TheOs().Post(0x0400, [&] { fake::TheOs().now = 0x100; }); });
    PumpingDelay(1000);
    EXPECT_EQ(os().now, 0x2E9u);  // 1001 ms after the start
}

TEST_F(InputTest, PumpingDelayReturnsAtOnceWhenQuitIsNext) {
    os().At(1400, [&] { fake::TheOs().Post(os::msg::kQuit); });
    PumpingDelay(1000);
    EXPECT_EQ(os().now, 1400u);
    EXPECT_EQ(os().Lines({"msgwait"}).size(), 1u);
    ASSERT_EQ(os().queue.size(), 1u);
    EXPECT_EQ(os().queue.front().id, os::msg::kQuit);
}

TEST_F(InputTest, ArmingTheTrimAgainKeepsOneTimer) {
    os::Hwnd main = os().AddTopWindow("main", "Main", "Quorvane");
    std::uintptr_t first = ArmMemoryTrim(main);
    for (int entry = 0; entry < 50; ++entry) EXPECT_EQ(ArmMemoryTrim(main), first);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(os().timers.size(), 1u);
    EXPECT_EQ(os().Lines({"settimer"}).front(), "settimer main " + std::to_string(first) + " 3000");
    TrimWorkingSet(main, os::msg::kTimer, first, 0);
    EXPECT_EQ(os().log.back(), "workingset -1 -1");
}

}  // namespace
