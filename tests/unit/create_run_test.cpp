#include "automation/create_run.h"

#include "run_fixture.h"

namespace {

const std::string kStopped = Box("创建停止成功!");
const std::string kDone = Box("创建完成,如果发现还有些没创建出来,请调整频率!");

// (32, 8): 32 + 8 * 65536; its shifted form for WM_CONTEXTMENU is 617 + 391 * 65536.
Lines RightClickOnTree(const std::string& target) {
    return {"post " + target + " WM_MOUSEMOVE 2 524320", "post " + target + " WM_RBUTTONDOWN 2 524320",
            "post " + target + " WM_RBUTTONUP 2 524320", "post " + target + " WM_CONTEXTMENU 132782 25625193"};
}
Lines ConfirmClick(const std::string& target) {
    return {"post " + target + " WM_MOUSEMOVE 2 655370", "post " + target + " WM_LBUTTONDOWN 1 655370",
            "post " + target + " WM_LBUTTONUP 0 655370"};
}
Lines Entry(const std::string& name, const std::string& passwordText) {
    Lines out = RightClickOnTree("tree");
    Lines rest = {"cursor 580 430", "mouse 0x2", "mouse 0x4", "settext name \"" + name + "\"",
                  "settext password " + passwordText};
    out.insert(out.end(), rest.begin(), rest.end());
    for (int i = 0; i < 2; ++i) {
        Lines click = ConfirmClick("confirm");
        out.insert(out.end(), click.begin(), click.end());
    }
    return out;
}

class CreateRunTest : public RunTest {
protected:
    void AddClient() {
        AddChannelTree();
        AddMenu();
        AddCreateDialog();
    }
    std::vector<std::string> Input() const { return Logged({"post", "cursor", "mouse", "settext", "box"}); }
    int Entries() const { return static_cast<int>(Logged({"settext"}).size()) / 2; }
};

TEST_F(CreateRunTest, CreatesEachEntryWithThePasswordOnlyWhenLocked) {
    AddClient();
    rows.rows = {{"大厅", 0}, {"会议室", 1}};
    frequency.text = "500";
    const auto start = os().now;
    CreateRun();

    Lines expected = Entry("大厅", "null");
    Lines second = Entry("会议室", "\"pw\"");
    expected.insert(expected.end(), second.begin(), second.end());
    expected.push_back(kDone);
    EXPECT_EQ(Input(), expected);
    EXPECT_EQ(Program().channelTreeHandle, tree);
    EXPECT_GE(os().now - start, 2u * 2500u);
    EXPECT_LT(os().now - start, 2u * 2500u + 50u);
    EXPECT_EQ(Logged({"caption"}), (Lines{"caption main \"Quorvane - 正在创建 1/2\"",
                                          "caption main \"Quorvane - 正在创建 2/2\"", "caption main \"Quorvane\""}));
    const auto timers = Logged({"settimer"});
    ASSERT_EQ(timers.size(), 2u) << "armed after each entry";
    EXPECT_EQ(timers[0], timers[1]);
    EXPECT_EQ(os().timers.size(), 1u);
    EXPECT_EQ(Program().runInProgress, RunKind::None);
}

TEST_F(CreateRunTest, ReadsThePasswordOnceAndEachRowWhenItIsReached) {
    AddClient();
    rows.rows = {{"a", 1}, {"b", 0}};
    os().At(os().now + 500, [&] {
        password.text = "changed";
        rows.rows[1] = {"B", 2};  // any state image other than 0 is locked
    });
    CreateRun();
    EXPECT_EQ(Logged({"settext"}), (Lines{"settext name \"a\"", "settext password \"pw\"", "settext name \"B\"",
                                          "settext password \"pw\""}));
}

TEST_F(CreateRunTest, ConfirmsOnceMoreOnlyWhileTheControlIsThere) {
    rows.rows = {{"a", 0}};
    CreateRun();
    Lines expected = RightClickOnTree("desktop");
    Lines rest = {"cursor 80 130", "mouse 0x2", "mouse 0x4"};
    expected.insert(expected.end(), rest.begin(), rest.end());
    Lines click = ConfirmClick("desktop");
    expected.insert(expected.end(), click.begin(), click.end());
    expected.push_back(kDone);
    EXPECT_EQ(Input(), expected) << "no client: one click, to the desktop window";
}

TEST_F(CreateRunTest, WithoutAClientEveryEntryStillTakesItsWaits) {
    rows.rows = {{"a", 0}, {"b", 1}, {"c", 0}};
    const auto start = os().now;
    CreateRun();
    EXPECT_GE(os().now - start, 3u * 2000u);
    EXPECT_EQ(os().cursor, (os::Point{80, 130}));
    EXPECT_EQ(Boxes(), (Lines{kDone}));
}

TEST_F(CreateRunTest, WaitsTheIntervalThatFrequencyBoxHolds) {
    AddClient();
    const struct {
        std::string text;
        std::uint32_t waited;
    } cases[] = {{"1500.9", 1500}, {"３０００", 3000}, {"abc", 0}, {"", 0}, {"-200", 0}, {"２５0ms", 250}};
    for (const auto& c : cases) {
        rows.rows = {{"a", 0}};
        frequency.text = c.text;
        const auto start = os().now;
        CreateRun();
        const auto elapsed = os().now - start;
        EXPECT_GE(elapsed, 2000u + c.waited) << c.text;
        EXPECT_LT(elapsed, 2000u + c.waited + 20u) << c.text;
    }
}

TEST_F(CreateRunTest, TheIntervalIsReadAtTheEndOfEachEntry) {
    AddClient();
    rows.rows = {{"a", 0}, {"b", 0}};
    frequency.text = "100";
    os().At(os().now + 1500, [&] { frequency.text = "700"; });
    const auto start = os().now;
    CreateRun();
    EXPECT_GE(os().now - start, 2000u + 700u + 2000u + 700u);
    EXPECT_LT(os().now - start, 2000u + 700u + 2000u + 700u + 40u);
}

TEST_F(CreateRunTest, AStopDuringTheFirstEntryFinishesItThenStops) {
    AddClient();
    rows.rows = {{"a", 0}, {"b", 0}, {"c", 0}};
    os().At(os().now + 1500, [] { os().Post(os::msg::kHotkey, RequestStop); });
    CreateRun();
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Logged({"settimer"}).size(), 1u) << "the stopped entry was carried through to its end";
    EXPECT_EQ(Boxes(), (Lines{kStopped, kDone}));
    EXPECT_EQ(Program().stopRequested, 0);
    EXPECT_EQ(Logged({"caption"}).back(), "caption main \"Quorvane\"");
}

TEST_F(CreateRunTest, AStopOutsideARunCancelsNoLaterRun) {
    AddClient();
    rows.rows = {{"a", 0}};
    RequestStop();
    CreateRun();
    EXPECT_EQ(Entries(), 1) << "pressed while no run was going";
    EXPECT_EQ(Boxes(), (Lines{kDone}));

    os().log.clear();
    os().At(os().now + 500, [] { RequestStop(); });
    CreateRun();
    EXPECT_EQ(Boxes(), (Lines{kDone})) << "pressed during the last entry, after its poll";
    os().log.clear();
    CreateRun();
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(Boxes(), (Lines{kDone}));
}

TEST_F(CreateRunTest, ARunStartedInsideAWaitIsRefused) {
    AddClient();
    rows.rows = {{"a", 0}, {"b", 0}};
    os().At(os().now + 500, [] { os().Post(os::msg::kHotkey, CreateRun); });
    os().At(os().now + 2500, [] { os().Post(os::msg::kHotkey, DeleteRun); });
    CreateRun();
    EXPECT_EQ(Entries(), 2);
    EXPECT_EQ(Logged({"beep"}).size(), 2u);
    EXPECT_EQ(Boxes(), (Lines{kDone}));
    EXPECT_EQ(Logged({"post tree WM_MOUSEMOVE"}).size(), 2u) << "no delete pass was made either";

    os().log.clear();
    CreateRun();
    EXPECT_EQ(Entries(), 2) << "once the run has ended, a new one starts";
}

TEST_F(CreateRunTest, RowsDeletedDuringTheRunEndItAtTheListsEnd) {
    AddClient();
    rows.rows = {{"a", 0}, {"b", 0}, {"c", 1}};
    os().At(os().now + 500, [&] { rows.rows.resize(1); });
    CreateRun();
    EXPECT_EQ(Logged({"settext"}), (Lines{"settext name \"a\"", "settext password null"}));
    EXPECT_EQ(Boxes(), (Lines{kDone}));
}

TEST_F(CreateRunTest, ClosingTheMainWindowEndsTheRunQuietly) {
    AddClient();
    const struct {
        std::uint32_t at;
        std::size_t texts;  // settext lines made before the run noticed
    } cases[] = {{500, 0}, {1500, 0}, {2100, 2}};
    for (const auto& c : cases) {
        SetUp();
        AddClient();
        rows.rows = {{"a", 0}, {"b", 0}};
        frequency.text = "1000";
        os().At(os().now + c.at, [&] { CloseMainWindow(); });
        CreateRun();
        EXPECT_EQ(Logged({"settext"}).size(), c.texts) << c.at;
        EXPECT_EQ(Boxes(), Lines{}) << c.at;
        EXPECT_EQ(Logged({"settimer"}), Lines{}) << c.at;
        EXPECT_EQ(Logged({"caption"}).size(), 1u) << "only the first entry's: nothing on the destroyed window";
        EXPECT_EQ(Program().runInProgress, RunKind::None);
        if (c.at == 500) {
            EXPECT_EQ(Logged({"mouse"}), Lines{}) << "no real click after the window went";
        }
        ReleaseProgramState();
    }
    CreateProgramState();
}

TEST_F(CreateRunTest, NoRunStartsOnceTheMainWindowHasGone) {
    AddClient();
    rows.rows = {{"a", 0}};
    CloseMainWindow();
    CreateRun();
    DeleteRun();
    EXPECT_EQ(Logged({"post", "box", "cursor"}), Lines{});
}

TEST_F(CreateRunTest, AnEmptyListMakesNoInput) {
    AddClient();
    CreateRun();
    EXPECT_EQ(Input(), (Lines{kDone}));
    EXPECT_EQ(Program().channelTreeHandle, tree);
    EXPECT_EQ(Logged({"caption"}), Lines{});
}

}  // namespace
