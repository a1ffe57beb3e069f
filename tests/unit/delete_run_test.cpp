#include "automation/create_run.h"
#include "run_fixture.h"

namespace {

const std::string kStopped = Box("删除停止成功!");
const std::string kDone = Box("全部删除完毕,如果没有删除完成,请再次点击");

// (52, 52): 52 + 52 * 65536; shifted for WM_CONTEXTMENU: 637 + 435 * 65536.
Lines Pass(const std::string& target, const std::string& menuCursor, bool confirmed) {
    Lines out = {"post " + target + " WM_MOUSEMOVE 2 3407924",
                 "post " + target + " WM_RBUTTONDOWN 2 3407924",
                 "post " + target + " WM_RBUTTONUP 2 3407924",
                 "post " + target + " WM_CONTEXTMENU 132782 28508797",
                 "cursor " + menuCursor,
                 "mouse 0x2",
                 "mouse 0x4",
                 "cursor 7 9"};
    if (confirmed) {
        out.push_back("post confirm WM_KEYDOWN 89 0");
        out.push_back("post confirm WM_KEYUP 89 0");
        out.push_back("send confirm WM_CLOSE 1 0");
    }
    return out;
}

class DeleteRunTest : public RunTest {
protected:
    int closes = 0;
    void SetUp() override {
        RunTest::SetUp();
        os().cursor = {7, 9};
    }
    // A client that asks for a confirmation while it has channels left to delete.
    void AddClientWithChannels(int channels) {
        AddChannelTree();
        AddMenu();
        os::Hwnd confirm = os().AddTopWindow("confirm", "MessageWnd", "请确认你的操作");
        os().Get(confirm).onSend = [this, confirm, channels](std::uint32_t message, os::WParam, os::LParam) {
            if (message == os::msg::kClose && ++closes == channels) os().Destroy(confirm);
            return os::LResult{0};
        };
    }
    std::vector<std::string> Input() const { return Logged({"post", "send", "cursor", "mouse", "box"}); }
};

TEST_F(DeleteRunTest, ConfirmsPassAfterPassUntilNoConfirmationComes) {
    AddClientWithChannels(2);
    frequency.text = "300";
    const auto start = os().now;
    DeleteRun();

    Lines expected;
    for (bool confirmed : {true, true, false}) {
        Lines pass = Pass("tree", "580 450", confirmed);
        expected.insert(expected.end(), pass.begin(), pass.end());
    }
    expected.push_back(kDone);
    EXPECT_EQ(Input(), expected);
    EXPECT_EQ(os().cursor, (os::Point{7, 9}));
    EXPECT_GE(os().now - start, 2u * (1700u + 300u) + 1700u);
    EXPECT_LT(os().now - start, 2u * (1700u + 300u) + 1700u + 40u);
    EXPECT_EQ(Logged({"caption"}),
              (Lines{"caption main \"Quorvane - 正在删除 第1次\"", "caption main \"Quorvane - 正在删除 第2次\"",
                     "caption main \"Quorvane - 正在删除 第3次\"", "caption main \"Quorvane\""}));
    EXPECT_EQ(Logged({"settimer"}), Lines{});
}

TEST_F(DeleteRunTest, WithoutAClientOnePassEndsTheRun) {
    DeleteRun();
    Lines expected = Pass("desktop", "80 150", false);
    expected.push_back(kDone);
    EXPECT_EQ(Input(), expected);
}

TEST_F(DeleteRunTest, AStopTakesEffectAtTheNextPass) {
    AddClientWithChannels(5);
    frequency.text = "1000";
    os().At(os().now + 1000, [] { os().Post(os::msg::kHotkey, RequestStop); });
    DeleteRun();
    EXPECT_EQ(closes, 1) << "the pass under way is carried through";
    EXPECT_EQ(Boxes(), (Lines{kStopped}));
    EXPECT_EQ(Program().stopRequested, 0);
}

TEST_F(DeleteRunTest, AStopDuringTheLastPassDoesNotCancelTheNextRun) {
    AddChannelTree();
    AddMenu();
    AddCreateDialog();
    os().At(os().now + 1000, [] { RequestStop(); });
    DeleteRun();
    EXPECT_EQ(Boxes(), (Lines{kDone}));

    os().log.clear();
    rows.rows = {{"a", 0}};
    CreateRun();
    EXPECT_EQ(Logged({"settext"}).size(), 2u);
    EXPECT_EQ(Boxes(), (Lines{Box("创建完成,如果发现还有些没创建出来,请调整频率!")}));
}

TEST_F(DeleteRunTest, AClientThatHangsOnTheCloseDoesNotHoldTheRun) {
    AddClientWithChannels(5);
    os().sendHangs = true;
    os().At(os().now + 8000, [] { os().Post(os::msg::kHotkey, RequestStop); });
    const auto start = os().now;
    DeleteRun();
    EXPECT_EQ(Logged({"send confirm WM_CLOSE"}).size(), 2u) << "two passes of 1700 ms and the 5000 ms bound each";
    EXPECT_EQ(Boxes(), (Lines{kStopped}));
    EXPECT_LT(os().now - start, 2u * (1700u + 5000u) + 40u);
}

TEST_F(DeleteRunTest, NoRunStartsInsideIt) {
    AddClientWithChannels(1);
    rows.rows = {{"a", 0}};
    os().At(os().now + 500, [] { os().Post(os::msg::kHotkey, CreateRun); });
    os().At(os().now + 1200, [] { os().Post(os::msg::kHotkey, DeleteRun); });
    DeleteRun();
    EXPECT_EQ(Logged({"beep"}).size(), 2u);
    EXPECT_EQ(Logged({"settext"}), Lines{});
    EXPECT_EQ(Logged({"post tree WM_MOUSEMOVE"}).size(), 2u);
    EXPECT_EQ(Boxes(), (Lines{kDone}));
}

TEST_F(DeleteRunTest, ClosingTheMainWindowEndsTheRunQuietly) {
    AddClientWithChannels(5);
    os().At(os().now + 2000, [&] { CloseMainWindow(); });
    DeleteRun();
    EXPECT_EQ(Logged({"post tree WM_MOUSEMOVE"}).size(), 2u);
    EXPECT_EQ(Logged({"mouse"}).size(), 2u) << "no real click after the window went";
    EXPECT_EQ(Boxes(), Lines{});
    EXPECT_EQ(Program().runInProgress, RunKind::None);
}

}  // namespace
