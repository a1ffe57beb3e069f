#include "channels/add_edit_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "channels/button_strip.h"
#include "forms/add_edit_form.h"
#include "runtime/form.h"
#include "runtime/win32/gbk.h"
#include "shell/program_state.h"

namespace {

// Steps run from a thread timer, so they act while a modal window or a message box runs its own
// loop. A step returns false to be tried again on the next tick.
class Script {
public:
    static void Run(std::deque<std::function<bool()>> steps) {
        steps_ = std::move(steps);
        started_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, 20, &Script::Tick);
    }
    static bool Finished() { return steps_.empty(); }
    static void Stop() {
        KillTimer(nullptr, timer_);
        steps_.clear();
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (GetTickCount() - started_ > 10000) {
            ADD_FAILURE() << "the script got stuck with " << steps_.size() << " steps left";
            steps_.clear();
            if (HWND window = AddEditWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
        }
        while (!steps_.empty()) {
            auto step = std::move(steps_.front());
            steps_.pop_front();
            if (!step()) {
                steps_.push_front(std::move(step));
                return;
            }
        }
    }

public:
    static HWND AddEditWindow() { return FindWindowW(L"QuorvaneForm", L"添加/编辑"); }

private:
    static inline std::deque<std::function<bool()>> steps_;
    static inline UINT_PTR timer_ = 0;
    static inline DWORD started_ = 0;
};

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text) {
    return parent ? FindWindowExW(parent, nullptr, className, text) : nullptr;
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win::Narrow(text);
}

bool HoldsText(HWND box, const std::string& gbk) {
    struct Search {
        const std::string* wanted;
        bool found = false;
    } search{&gbk};
    EnumChildWindows(
        box,
        [](HWND child, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if (TextOf(child) == *search->wanted) search->found = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const ui::ControlDef kMainControls[] = {
    {.kind = ui::ControlKind::ListView, .name = "超级列表框1", .left = 5, .top = 1, .width = 316, .height = 300},
};
const ui::FormDef kMainForm{.caption = "main", .width = 340, .height = 340, .controls = kMainControls};

using Rows = std::vector<std::pair<std::string, int>>;

class AddEditWindow : public ::testing::Test {
protected:
    static inline ui::Form* main = nullptr;
    ui::ChannelRows* rows = nullptr;
    std::string question;

    static void SetUpTestSuite() {
        CreateProgramState();
        // A modeless window that stays, as the main window does, so closing the add/edit window
        // never ends the thread's loop.
        main = ui::LoadForm(kMainForm, nullptr, false);
    }

    void SetUp() override {
        ASSERT_NE(main, nullptr);
        rows = &main->RowsNamed("超级列表框1");
        rows->DeleteAll();
        Program().mainWindow.channelList = rows;
        Program().mainWindow.form = main;
        Program().exportText.clear();
        Program().editMode = 0;
    }
    void TearDown() override {
        Script::Stop();
        Program().mainWindow = {};
    }

    void Fill(const Rows& list) {
        rows->DeleteAll();
        for (const auto& [name, state] : list) {
            const int row = rows->Append();
            rows->SetName(row, name);
            rows->SetStateImage(row, state);
        }
    }
    Rows List() const {
        Rows list;
        for (int row = 0; row < rows->Count(); ++row) list.emplace_back(rows->Name(row), rows->StateImage(row));
        return list;
    }

public:
    static std::function<bool()> Click(const wchar_t* caption) {
        return [caption] {
            HWND button = Child(Script::AddEditWindow(), L"Button", caption);
            if (!button || !IsWindowVisible(button)) return false;
            PostMessageW(button, BM_CLICK, 0, 0);
            return true;
        };
    }
protected:
    static std::function<bool()> Answer(int button, std::string* text) {
        return [button, text] {
            HWND box = FindWindowW(L"#32770", L"询问");
            if (!box) return false;
            if (HoldsText(box, "是否清空原来的信息?")) *text = "是否清空原来的信息?";
            PostMessageW(box, WM_COMMAND, button, 0);
            return true;
        };
    }
    static std::function<bool()> Box(std::function<void(HWND)> act) {
        return [act] {
            HWND box = Child(Script::AddEditWindow(), L"Edit", nullptr);
            if (!box) return false;
            act(box);
            return true;
        };
    }
};

TEST_F(AddEditWindow, EditShowsTheListAndConfirmGivesItBackWithoutAQuestion) {
    const Rows list = {{"甲", 1}, {"乙", 0}, {"", 0}, {"a,b", 1}};
    Fill(list);
    std::string shown;
    Script::Run({Box([&](HWND box) { shown = TextOf(box); }), Click(L"确认")});
    EditEntries();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(shown, "甲|锁|\r\n乙\r\n\r\na,b|锁|\r\n");
    EXPECT_EQ(List(), list);
    EXPECT_EQ(Program().editMode, 0);
    EXPECT_EQ(Program().exportText, "");
    EXPECT_TRUE(IsWindowEnabled(reinterpret_cast<HWND>(main->Window())));
}

TEST_F(AddEditWindow, EditWithTheBoxClearedEmptiesTheList) {
    Fill({{"甲", 1}, {"乙", 0}});
    Script::Run({Box([](HWND box) { SetWindowTextW(box, L""); }), Click(L"确认")});
    EditEntries();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(List(), Rows{});
}

struct AddCase {
    const char* what;
    int answer;
    Rows expected;
};

class AddToFilledList : public AddEditWindow, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddToFilledList, AsksAndFollowsTheAnswer) {
    Fill({{"old", 1}});
    Script::Run({Box([](HWND box) { SetWindowTextW(box, L"新\r\nx|锁|"); }), Click(L"确认"),
                 Answer(GetParam().answer, &question)});
    AddEntries();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(question, "是否清空原来的信息?");
    EXPECT_EQ(List(), GetParam().expected);
    EXPECT_FALSE(Script::AddEditWindow()) << "the window closes whichever answer is given";
}

INSTANTIATE_TEST_SUITE_P(Answers, AddToFilledList,
                         ::testing::Values(AddCase{"Yes", IDYES, {{"新", 0}, {"x", 1}}},
                                           AddCase{"No", IDNO, {{"old", 1}, {"新", 0}, {"x", 1}}}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(AddEditWindow, AddToAnEmptyListAsksNothing) {
    Script::Run({Box([](HWND box) { SetWindowTextW(box, L"a\r\nb"); }), Click(L"确认")});
    AddEntries();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(List(), (Rows{{"a", 0}, {"b", 0}}));
}

struct CloseCase {
    const char* what;
    std::function<bool()> close;
};

class CloseWithoutConfirm : public AddEditWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseWithoutConfirm, KeepsTheListAndClearsTheState) {
    const Rows list = {{"甲", 1}, {"乙", 0}};
    Fill(list);
    Script::Run({Box([](HWND box) { SetWindowTextW(box, L"changed"); }), GetParam().close});
    EditEntries();
    EXPECT_TRUE(Script::Finished());
    EXPECT_EQ(List(), list);
    EXPECT_EQ(Program().editMode, 0);
    EXPECT_EQ(Program().exportText, "");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CloseWithoutConfirm,
    ::testing::Values(CloseCase{"Cancel", AddEditWindow::Click(L"取消")},
                      CloseCase{"Esc",
                                [] {
                                    HWND box = Child(Script::AddEditWindow(), L"Edit", nullptr);
                                    if (!box) return false;
                                    SetFocus(box);
                                    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                                    return true;
                                }},
                      CloseCase{"CloseBox",
                                [] {
                                    HWND window = Script::AddEditWindow();
                                    if (!window) return false;
                                    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                                    return true;
                                }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(AddEditWindow, WindowHasItsSizeAndTwoButtonsOverAHiddenTemplate) {
    RECT outer{}, box{}, confirm{}, cancel{};
    bool templateHidden = false;
    LONG_PTR exStyle = 0;
    Script::Run({[&] {
        HWND window = Script::AddEditWindow();
        HWND ok = Child(window, L"Button", L"确认");
        HWND no = Child(window, L"Button", L"取消");
        HWND model = Child(window, L"Button", L"");
        if (!ok || !no || !model) return false;
        GetWindowRect(window, &outer);
        GetWindowRect(Child(window, L"Edit", nullptr), &box);
        GetWindowRect(ok, &confirm);
        GetWindowRect(no, &cancel);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&confirm), 2);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&cancel), 2);
        templateHidden = !IsWindowVisible(model);
        exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        PostMessageW(window, WM_CLOSE, 0, 0);
        return true;
    }});
    AddEntries();
    EXPECT_EQ(outer.right - outer.left, 406);
    EXPECT_EQ(outer.bottom - outer.top, 444);
    EXPECT_EQ(box.left, 4);
    EXPECT_EQ(box.top, 4);
    EXPECT_EQ(box.right - box.left, 398);
    EXPECT_EQ(confirm.left, 207);
    EXPECT_EQ(confirm.top, 385);
    EXPECT_EQ(confirm.right - confirm.left, 98);
    EXPECT_EQ(cancel.left, 305);
    EXPECT_TRUE(templateHidden);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << "the window asks for a task-bar button of its own";
}

// A form of its own whose template button records the tag of each click.
std::vector<std::string> clickedTags;
void RecordTag(ui::Form&, ui::Control& source) { clickedTags.push_back(source.Tag()); }
const ui::ControlDef kStripControls[] = {
    {.kind = ui::ControlKind::ImageButton, .name = "图片按钮1", .left = 207, .top = 385, .width = 98, .height = 23,
     .onClick = RecordTag, .visible = false},
};
const ui::FormDef kStripForm{.caption = "strip", .width = 600, .height = 460, .controls = kStripControls};

TEST_F(AddEditWindow, BuildRowPlacesNumberedCopiesOfTheTemplate) {
    ui::Form* form = ui::LoadForm(kStripForm, nullptr, false);
    ASSERT_NE(form, nullptr);
    HWND window = reinterpret_cast<HWND>(form->Window());
    ui::Control& model = form->ControlNamed("图片按钮1");
    const int right = ButtonStrip().BuildRow(*form, model, "甲,,丙,", ui::ResourceBytes(kNormalFaceResource),
                                            ui::ResourceBytes(kHoverFaceResource), {}, 0xB1660B, 0xFF, 0xFF);
    EXPECT_EQ(right, 207 + 3 * 98) << "the empty piece between commas counts, the one after the last does not";
    EXPECT_FALSE(IsWindowVisible(reinterpret_cast<HWND>(model.Window())));

    std::vector<std::pair<int, std::string>> made;  // left edge, caption
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == reinterpret_cast<HWND>(model.Window()) || !IsWindowVisible(child)) continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.top, 385);
        EXPECT_EQ(place.right - place.left, 98);
        made.emplace_back(place.left, TextOf(child));
        SendMessageW(child, BM_CLICK, 0, 0);
    }
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::pair<int, std::string>>{{207, "甲"}, {305, ""}, {403, "丙"}}));
    std::sort(clickedTags.begin(), clickedTags.end());
    EXPECT_EQ(clickedTags, (std::vector<std::string>{"1", "2", "3"}));
    DestroyWindow(window);
}

}  // namespace
