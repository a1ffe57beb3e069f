// The creation and delete-all runs of Quorvane.exe against the stand-in client: two real
// processes, real posted messages, the real cursor on the client's menu, hot keys from injected keys.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "quorvane_app.h"
#include "standin_client.h"

using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;

namespace {

const std::wstring kCreated = L"创建完成,如果发现还有些没创建出来,请调整频率!";
const std::wstring kCreateStopped = L"创建停止成功!";
const std::wstring kDeleted = L"全部删除完毕,如果没有删除完成,请再次点击";

constexpr DWORD kPerEntryMs = 2000;

std::vector<std::pair<std::wstring, std::wstring>> Created(const e2e::StandinClient& client) {
    std::vector<std::pair<std::wstring, std::wstring>> out;
    for (const auto& line : client.Events(L"created"))
        out.emplace_back(line.Text("name"), line.Text("password"));
    return out;
}

class RunsTest : public testing::Test {
protected:
    void SetUp() override {
        // The real click lands on the client's menu; keep the cursor off every window meanwhile.
        SetCursorPos(1200, 1000);
    }
    static void BringToFront(const e2e::StandinClient&) {
        if (HWND client = FindWindowW(L"YYChannelWindow", nullptr)) SetForegroundWindow(client);
    }
};

TEST_F(RunsTest, TheButtonCreatesEveryEntryInOrderWithThePasswordOnlyForLockedOnes) {
    e2e::StandinClient client;
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"大厅"}, {L"音乐厅", true}, {L"游戏交流"}, {L"管理会议室", true}}, L"pw42", L"100"});
    ASSERT_TRUE(app.ready());

    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    ASSERT_TRUE(client.WaitForEvents(L"menu", 1, 5000));
    EXPECT_THAT(app.Caption(), testing::StartsWith(L"Quorvane - 正在创建 1/4"));

    e2e::MessageBoxSeen box = app.WaitForMessageBox(4 * (kPerEntryMs + 100) + 8000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, kCreated);
    EXPECT_EQ(box.caption, L"信息：");
    EXPECT_EQ(app.Caption(), L"Quorvane");
    EXPECT_THAT(Created(client), ElementsAre(Pair(L"大厅", L""), Pair(L"音乐厅", L"pw42"), Pair(L"游戏交流", L""),
                                             Pair(L"管理会议室", L"pw42")));
    EXPECT_TRUE(app.CloseMessageBox(box));
}

TEST_F(RunsTest, F3StartsARunInFrontOfTheClientAndF4StopsItAfterTheCurrentEntry) {
    e2e::StandinClient client;
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"一"}, {L"二"}, {L"三"}}, L"", L"0"});
    ASSERT_TRUE(app.ready());
    BringToFront(client);

    e2e::PressKey(VK_F3);
    ASSERT_TRUE(client.WaitForEvents(L"menu", 1, 5000));
    e2e::PressKey(VK_F4);
    EXPECT_EQ(app.TakeMessage(kPerEntryMs + 8000), kCreateStopped);
    EXPECT_EQ(app.TakeMessage(3000), kCreated);
    EXPECT_THAT(Created(client), ElementsAre(Pair(L"一", L"")));
}

TEST_F(RunsTest, F3DuringARunStartsNothing) {
    e2e::StandinClient client;
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"甲"}, {L"乙"}}, L"", L"0"});
    ASSERT_TRUE(app.ready());

    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    ASSERT_TRUE(client.WaitForEvents(L"menu", 1, 5000));
    BringToFront(client);
    e2e::PressKey(VK_F3);
    EXPECT_EQ(app.TakeMessage(2 * kPerEntryMs + 8000), kCreated);
    EXPECT_EQ(app.TakeMessage(2500), L"") << "no second run was waiting behind the first";
    EXPECT_THAT(Created(client), ElementsAre(Pair(L"甲", L""), Pair(L"乙", L"")));
}

TEST_F(RunsTest, TheDeleteAllRunRemovesEverySubChannel) {
    e2e::StandinClient client({L"--channel", L"频道一", L"--channel", L"频道二", L"--channel", L"频道三"});
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{}, L"", L"0"});
    ASSERT_TRUE(app.ready());

    ASSERT_TRUE(app.ClickButton(L"删除全部"));
    EXPECT_EQ(app.TakeMessage(4 * 1700 + 10000), kDeleted);
    std::vector<std::wstring> deleted;
    for (const auto& line : client.Events(L"deleted"))
        deleted.push_back(line.Text("name"));
    EXPECT_THAT(deleted, testing::UnorderedElementsAre(L"频道一", L"频道二", L"频道三"));
    EXPECT_EQ(app.Caption(), L"Quorvane");
}

TEST_F(RunsTest, WithNoClientTheRunStillCompletes) {
    e2e::QuorvaneApp app({{{L"甲"}, {L"乙", true}}, L"pw", L"0"});
    ASSERT_TRUE(app.ready());
    const DWORD start = GetTickCount();
    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    EXPECT_EQ(app.TakeMessage(2 * kPerEntryMs + 8000), kCreated);
    EXPECT_GE(GetTickCount() - start, 2 * kPerEntryMs);
}

TEST_F(RunsTest, ADialogThatStaysOpenGetsExactlyOneMoreConfirmClick) {
    e2e::StandinClient client({L"--sticky-dialog", L"--spy"});
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"固执"}}, L"", L"0"});
    ASSERT_TRUE(app.ready());
    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    EXPECT_EQ(app.TakeMessage(kPerEntryMs + 8000), kCreated);
    EXPECT_EQ(client.Events(L"confirm-ignored").size(), 1u);
    EXPECT_THAT(Created(client), ElementsAre(Pair(L"固执", L"")));
    std::vector<std::wstring> downs;
    for (const auto& m : client.Messages(L"confirm"))
        if (m.starts_with(L"WM_LBUTTONDOWN")) downs.push_back(m);
    EXPECT_EQ(downs.size(), 2u);
}

TEST_F(RunsTest, AHungClientDoesNotFreezeTheTool) {
    e2e::StandinClient client({L"--settext-hang", L"20000"});
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"卡住"}}, L"", L"0"});
    ASSERT_TRUE(app.ready());
    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    ASSERT_TRUE(client.WaitForEvents(L"dialog", 1, 5000));
    Sleep(1500);  // the name is being sent now, and the client does not answer
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(app.mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result))
        << "the tool's window still answers";
    EXPECT_EQ(app.TakeMessage(20000), kCreated);
}

TEST_F(RunsTest, ClosingTheMainWindowDuringARunEndsTheProgramCleanly) {
    e2e::StandinClient client;
    ASSERT_TRUE(client.ready());
    e2e::QuorvaneApp app({{{L"一"}, {L"二"}, {L"三"}}, L"", L"0"});
    ASSERT_TRUE(app.ready());
    ASSERT_TRUE(app.ClickButton(L"创建频道(&F1)"));
    ASSERT_TRUE(client.WaitForEvents(L"menu", 1, 5000));
    PostMessageW(app.mainWindow(), WM_CLOSE, 0, 0);

    DWORD exitCode = 1;
    EXPECT_TRUE(app.process().WaitForExit(8000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(app.WaitForMessageBox(0).window, nullptr);
    EXPECT_LE(client.Events(L"created").size(), 1u);
}

}  // namespace
