#pragma once
// A main window with its controls and a client on the fake desktop, for the runs' tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_controls.h"
#include "fake_os.h"
#include "shell/program_state.h"

class RunTest : public ::testing::Test {
protected:
    fake::Rows rows;
    fake::TextBox password{"pw"};
    fake::TextBox frequency{"0"};
    os::Hwnd main = nullptr;
    os::Hwnd tree = nullptr;
    os::Hwnd menu = nullptr;
    os::Hwnd dialog = nullptr;

    void SetUp() override {
        fake::Reset();
        CreateProgramState();
        main = os().AddTopWindow("main", "QuorvaneMain", "Quorvane");
        Program().mainWindow = {main, &rows, &password, &frequency, nullptr};
    }
    void TearDown() override { ReleaseProgramState(); }
    static fake::Os& os() { return fake::TheOs(); }

    void AddChannelTree() {
        os::Hwnd channel = os().AddTopWindow("channels", "YYChannelWindow", "YY");
        tree = os().AddChild(os().AddChild(channel, 4100, "host"), 2410, "tree");
    }
    void AddMenu() { menu = os().AddTopWindow("menu", "#32768", "", {500, 300}); }
    void AddCreateDialog() {
        dialog = os().AddTopWindow("dialog", "create sub channel", "创建子频道");
        os().AddChild(dialog, 28305, "name");
        os().AddChild(dialog, 28307, "password");
        os().AddChild(dialog, 28312, "confirm");
    }
    // The user closes the main window: the runtime clears the window and its controls.
    void CloseMainWindow() {
        os().Destroy(main);
        Program().mainWindow = {};
    }
    std::vector<std::string> Logged(std::initializer_list<std::string> words) const { return os().Lines(words); }
    std::vector<std::string> Boxes() const { return os().Lines({"box"}); }
};

inline std::string Box(const std::string& text) { return "box \"" + text + "\" \"\" 0x0"; }
using Lines = std::vector<std::string>;
