// The input layer and the locator, with the real system calls, against the stand-in client:
// this test process plays the tool.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "automation/input.h"
#include "automation/locator.h"
#include "standin_client.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

std::wstring TextOf(os::Hwnd window) {
    // GetWindowText does not ask a control of another process for its text; WM_GETTEXT does.
    wchar_t text[256] = {};
    SendMessageW(reinterpret_cast<HWND>(window), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> MouseAndMenuMessages(const std::vector<std::wstring>& messages) {
    std::vector<std::wstring> out;
    for (const auto& m : messages)
        if (m.starts_with(L"WM_MOUSEMOVE") || m.starts_with(L"WM_RBUTTON") || m.starts_with(L"WM_CONTEXTMENU"))
            out.push_back(m);
    return out;
}

class StandinInputTest : public testing::Test {
protected:
    void SetUp() override {
        // Away from the stand-in's windows, so the real cursor sends them nothing of its own.
        MoveCursor(nullptr, 1200, 1000);
    }

    // What the runs do: a posted right click, the real cursor onto the menu and a click there.
    static bool ChooseFromMenu(os::Hwnd tree, os::Point treePoint, os::Point menuPoint) {
        PostMouse(tree, treePoint.x, treePoint.y, mouse_button::kRight);
        PumpingDelay(1000);
        os::Hwnd menu = FindContextMenu();
        if (!menu) return false;
        MoveCursor(menu, menuPoint.x, menuPoint.y);
        SynthClick();
        PumpingDelay(1000);
        return true;
    }
};

TEST_F(StandinInputTest, PostedRightClickReachesTheTreeAsPostedAndOpensOneMenu) {
    e2e::StandinClient client({L"--spy"});
    ASSERT_TRUE(client.ready());
    os::Hwnd tree = FindChannelTree();
    ASSERT_NE(tree, nullptr);

    PostMouse(tree, 32, 8, mouse_button::kRight);
    ASSERT_TRUE(client.WaitForEvents(L"menu", 1, 3000));
    PumpingDelay(1000);

    EXPECT_THAT(MouseAndMenuMessages(client.Messages(L"tree")),
                ElementsAre(L"WM_MOUSEMOVE 2 524320", L"WM_RBUTTONDOWN 2 524320", L"WM_RBUTTONUP 2 524320",
                            L"WM_CONTEXTMENU 132782 25625193"));
    auto menus = client.Events(L"menu");
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].Text("row"), L"YY 频道");
    os::Hwnd menu = FindContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(TextOf(menu), L"");
}

TEST_F(StandinInputTest, RealClicksOnTheMenuOpenTheCreateDialogAndTheConfirmation) {
    e2e::StandinClient client({L"--channel", L"频道一"});
    ASSERT_TRUE(client.ready());
    os::Hwnd tree = FindChannelTree();
    ASSERT_NE(tree, nullptr);

    ASSERT_TRUE(ChooseFromMenu(tree, {32, 8}, {80, 130}));
    EXPECT_NE(FindCreateDialogItem(client_id::kNameField), nullptr);
    EXPECT_NE(FindCreateDialogItem(client_id::kPasswordField), nullptr);
    EXPECT_NE(FindCreateDialogItem(client_id::kConfirmControl), nullptr);

    ASSERT_TRUE(ChooseFromMenu(tree, {52, 52}, {80, 150}));
    EXPECT_NE(FindConfirmWindow(), nullptr);
    auto asked = client.Events(L"confirmation");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Text("name"), L"频道一");

    auto chosen = client.Events(L"menu-choice");
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].Text("item"), L"创建子频道");
    EXPECT_EQ(chosen[1].Text("item"), L"删除频道");
}

TEST_F(StandinInputTest, SentTextFillsTheFieldsAndAPostedClickCreatesTheChannel) {
    struct Case {
        const char* label;
        const char* name;
        const char* password;
        std::vector<std::wstring> options;
        std::wstring expectedName, expectedPassword;
        int clicks;  // the creation run clicks again while the confirm control is still there
    };
    const std::vector<Case> cases = {
        {"locked", "频道甲", "密码123", {}, L"频道甲", L"密码123", 1},
        {"null password", "unlocked", nullptr, {}, L"unlocked", L"", 1},
        {"first click not taken", "second click", "", {L"--sticky-dialog"}, L"second click", L"", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        e2e::StandinClient client(c.options);
        ASSERT_TRUE(client.ready());
        ASSERT_TRUE(ChooseFromMenu(FindChannelTree(), {32, 8}, {80, 130}));
        ASSERT_NE(FindCreateDialogItem(client_id::kConfirmControl), nullptr);

        SendText(FindCreateDialogItem(client_id::kNameField), c.name);
        SendText(FindCreateDialogItem(client_id::kPasswordField), c.password);
        EXPECT_EQ(TextOf(FindCreateDialogItem(client_id::kNameField)), c.expectedName);
        EXPECT_EQ(TextOf(FindCreateDialogItem(client_id::kPasswordField)), c.expectedPassword);

        for (int click = 0; click < c.clicks; ++click) {
            PostMouse(FindCreateDialogItem(client_id::kConfirmControl), 10, 10);
            PumpingDelay(300);
        }
        ASSERT_TRUE(client.WaitForEvents(L"created", 1, 3000));
        PumpingDelay(300);
        auto created = client.Events(L"created");
        ASSERT_EQ(created.size(), 1u);
        EXPECT_EQ(created[0].Text("name"), c.expectedName);
        EXPECT_EQ(created[0].Text("password"), c.expectedPassword);
        EXPECT_EQ(FindCreateDialogItem(client_id::kConfirmControl), nullptr);
    }
}

TEST_F(StandinInputTest, KeyYThenCloseDeletesTheChannelAndLeavesNoConfirmation) {
    e2e::StandinClient client({L"--channel", L"频道一", L"--channel", L"频道二"});
    ASSERT_TRUE(client.ready());
    os::Hwnd tree = FindChannelTree();

    ASSERT_TRUE(ChooseFromMenu(tree, {52, 52}, {80, 150}));
    os::Hwnd confirmation = FindConfirmWindow();
    ASSERT_NE(confirmation, nullptr);
    PostKey(confirmation, 0x59);
    os::SendMessage(confirmation, os::msg::kClose, 1, 0);
    ASSERT_TRUE(client.WaitForEvents(L"deleted", 1, 3000));
    EXPECT_EQ(client.Events(L"deleted")[0].Text("name"), L"频道一");
    EXPECT_EQ(FindConfirmWindow(), nullptr);

    // The first sub-channel row now holds the next channel; the root row offers nothing to delete.
    ASSERT_TRUE(ChooseFromMenu(tree, {32, 8}, {80, 150}));
    EXPECT_EQ(FindConfirmWindow(), nullptr);
    ASSERT_TRUE(ChooseFromMenu(tree, {52, 52}, {80, 150}));
    confirmation = FindConfirmWindow();
    ASSERT_NE(confirmation, nullptr);
    os::SendMessage(confirmation, os::msg::kClose, 1, 0);  // closed without 'Y': nothing deleted
    PumpingDelay(300);
    EXPECT_EQ(FindConfirmWindow(), nullptr);
    EXPECT_EQ(client.Events(L"deleted").size(), 1u);
}

TEST_F(StandinInputTest, ASlowClientOpensItsMenuAndDialogAfterTheToolHasLooked) {
    e2e::StandinClient client({L"--menu-delay", L"1600", L"--dialog-delay", L"1600"});
    ASSERT_TRUE(client.ready());
    PostMouse(FindChannelTree(), 32, 8, mouse_button::kRight);
    PumpingDelay(1000);
    EXPECT_EQ(FindContextMenu(), nullptr);
    PumpingDelay(1000);
    os::Hwnd menu = FindContextMenu();
    ASSERT_NE(menu, nullptr);
    MoveCursor(menu, 80, 130);
    SynthClick();
    PumpingDelay(1000);
    EXPECT_EQ(FindCreateDialogItem(client_id::kNameField), nullptr);
    PumpingDelay(1000);
    EXPECT_NE(FindCreateDialogItem(client_id::kNameField), nullptr);
}

TEST_F(StandinInputTest, WithoutTheTreeControlsTheTreeIsNotFound) {
    for (const wchar_t* option : {L"--no-tree-host", L"--no-tree"}) {
        e2e::StandinClient client({option});
        ASSERT_TRUE(client.ready());
        EXPECT_EQ(FindChannelTree(), nullptr) << static_cast<const void*>(option);
        EXPECT_NE(FindTopWindow("YYChannelWindow", nullptr), nullptr);
    }
}

TEST_F(StandinInputTest, TextSentToAHungFieldReturnsWithinTheBound) {
    e2e::StandinClient client({L"--settext-hang", L"9000"});
    ASSERT_TRUE(client.ready());
    ASSERT_TRUE(ChooseFromMenu(FindChannelTree(), {32, 8}, {80, 130}));
    os::Hwnd name = FindCreateDialogItem(client_id::kNameField);
    ASSERT_NE(name, nullptr);
    DWORD start = GetTickCount();
    SendText(name, "x");
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 4000u);
    EXPECT_LT(took, 6500u);
}

// Not against the stand-in: the tool's own window must keep answering while a run waits.
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        reinterpret_cast<std::atomic<DWORD>*>(GetWindowLongPtrW(window, GWLP_USERDATA))->store(GetTickCount());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(PumpingDelayTest, HandlesAMessagePostedDuringTheDelay) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PumpingDelayTestWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    std::atomic<DWORD> handledAt{0};
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handledAt));

    DWORD start = GetTickCount();
    std::thread poster([&] {
        Sleep(300);
        PostMessageW(window, WM_APP, 0, 0);
    });
    PumpingDelay(1000);
    DWORD took = GetTickCount() - start;
    poster.join();

    ASSERT_NE(handledAt.load(), 0u);
    EXPECT_LT(handledAt.load() - start, 700u);  // handled when it came, not at the end
    EXPECT_GT(took, 1000u);
    EXPECT_LT(took, 1300u);
    DestroyWindow(window);
}

}  // namespace
