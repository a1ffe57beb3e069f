#include "automation/locator.h"

#include <gtest/gtest.h>

#include "fake_os.h"

namespace {

class LocatorTest : public testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    fake::Os& os() { return fake::TheOs(); }

    // A channel window with the host control and the tree inside it; either can be left out.
    os::Hwnd AddChannelWindow(const std::string& name, bool withHost = true, bool withTree = true) {
        os::Hwnd window = os().AddTopWindow(name, "YYChannelWindow", "YY");
        if (!withHost) return nullptr;
        os::Hwnd host = os().AddChild(window, client_id::kChannelTreeHost, name + " host");
        if (!withTree) return nullptr;
        return os().AddChild(host, client_id::kChannelTree, name + " tree");
    }
    os::Hwnd AddCreateDialog(const std::string& className = "create sub channel") {
        os::Hwnd dialog = os().AddTopWindow("dialog", className, "创建子频道");
        os().AddChild(dialog, client_id::kNameField, "name");
        os().AddChild(dialog, client_id::kPasswordField, "password");
        return dialog;
    }
};

TEST_F(LocatorTest, NothingIsFoundWithoutTheClient) {
    os().AddTopWindow("other", "Notepad", "创建子频道");
    EXPECT_EQ(FindChannelTree(), nullptr);
    EXPECT_EQ(FindContextMenu(), nullptr);
    EXPECT_EQ(FindCreateDialogItem(client_id::kNameField), nullptr);
    EXPECT_EQ(FindConfirmWindow(), nullptr);
}

TEST_F(LocatorTest, ChannelTreeIsControl2410OfControl4100) {
    os::Hwnd tree = AddChannelWindow("client");
    EXPECT_EQ(FindChannelTree(), tree);
}

TEST_F(LocatorTest, ChannelTreeIsNullWhenAControlOnTheWayIsMissing) {
    AddChannelWindow("no host", false);
    EXPECT_EQ(FindChannelTree(), nullptr);
    fake::Reset();
    AddChannelWindow("no tree", true, false);
    EXPECT_EQ(FindChannelTree(), nullptr);
}

TEST_F(LocatorTest, FirstChannelWindowInZOrderIsTheOneUsed) {
    os::Hwnd first = AddChannelWindow("first");
    AddChannelWindow("second");
    EXPECT_EQ(FindChannelTree(), first);

    // No fallback to a later window when the first lacks its tree.
    fake::Reset();
    AddChannelWindow("first", false);
    AddChannelWindow("second");
    EXPECT_EQ(FindChannelTree(), nullptr);
}

TEST_F(LocatorTest, ContextMenuNeedsAnEmptyTitle) {
    os::Hwnd titled = os().AddTopWindow("titled menu", "#32768", "x");
    EXPECT_EQ(FindContextMenu(), nullptr);
    os::Hwnd menu = os().AddTopWindow("menu", "#32768", "");
    EXPECT_EQ(FindContextMenu(), menu);
    EXPECT_EQ(FindTopWindow("#32768", nullptr), titled);
}

TEST_F(LocatorTest, CreateDialogNeedsItsClassAsWellAsItsTitle) {
    AddCreateDialog("impostor");
    EXPECT_EQ(FindCreateDialogItem(client_id::kNameField), nullptr);
    os::Hwnd dialog = AddCreateDialog();
    os::Hwnd confirm = os().AddChild(dialog, client_id::kConfirmControl, "confirm");
    EXPECT_EQ(FindCreateDialogItem(client_id::kConfirmControl), confirm);
    EXPECT_EQ(os().NameOf(FindCreateDialogItem(client_id::kPasswordField)), "password");
    EXPECT_EQ(FindCreateDialogItem(12345), nullptr);
}

TEST_F(LocatorTest, CreateDialogIsSearchedAgainOnEveryCall) {
    os::Hwnd dialog = AddCreateDialog();
    os().AddChild(dialog, client_id::kConfirmControl, "confirm");
    ASSERT_NE(FindCreateDialogItem(client_id::kConfirmControl), nullptr);
    os().Destroy(dialog);
    EXPECT_EQ(FindCreateDialogItem(client_id::kConfirmControl), nullptr);
}

TEST_F(LocatorTest, ConfirmWindowByClassAndTitle) {
    os().AddTopWindow("wrong title", "MessageWnd", "提示");
    os().AddTopWindow("wrong class", "Dialog", "请确认你的操作");
    EXPECT_EQ(FindConfirmWindow(), nullptr);
    os::Hwnd confirm = os().AddTopWindow("confirm", "MessageWnd", "请确认你的操作");
    EXPECT_EQ(FindConfirmWindow(), confirm);
}

}  // namespace
