#include "channels/list_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_controls.h"
#include "fake_os.h"
#include "shell/program_state.h"

namespace {

using fake::Row;
using Rows = std::vector<Row>;

class ListOperations : public ::testing::Test {
protected:
    fake::Rows rows;
    fake::FileChooser chooser;
    void SetUp() override {
        fake::Reset();
        CreateProgramState();
        Program().mainWindow.channelList = &rows;
        Program().mainWindow.fileChooser = &chooser;
    }
    void TearDown() override { ReleaseProgramState(); }
    std::vector<std::string> Boxes() const { return fake::TheOs().Lines({"box"}); }
};

TEST_F(ListOperations, DeleteSelectedTakesOnlyThatRow) {
    rows.rows = {{"a", 1}, {"b", 0}, {"c", 1}};
    DeleteSelectedEntry();
    EXPECT_EQ(rows.Count(), 3) << "nothing selected";
    rows.Select(1);
    DeleteSelectedEntry();
    EXPECT_EQ(rows.rows, (Rows{{"a", 1}, {"c", 1}}));
}

TEST_F(ListOperations, DeleteAllAsksNothing) {
    DeleteAllEntries();
    EXPECT_EQ(rows.Count(), 0);
    rows.rows = {{"a", 1}, {"b", 0}};
    DeleteAllEntries();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_TRUE(Boxes().empty());
}

struct MoveCase {
    const char* what;
    int selection;
    std::vector<MoveDirection> clicks;
    std::vector<std::string> names;
    int selectionAfter;
};

class Move : public ListOperations, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(Move, ExchangesNamesAndLeavesChecksInPlace) {
    rows.rows = {{"a", 1}, {"b", 0}, {"c", 0}};
    rows.Select(GetParam().selection);
    for (MoveDirection d : GetParam().clicks) MoveEntry(d);
    std::vector<std::string> names;
    for (const Row& r : rows.rows) names.push_back(r.name);
    EXPECT_EQ(names, GetParam().names);
    EXPECT_EQ(rows.rows[0].state, 1);
    EXPECT_EQ(rows.rows[1].state, 0);
    EXPECT_EQ(rows.Selection(), GetParam().selectionAfter);
}

using enum MoveDirection;
INSTANTIATE_TEST_SUITE_P(Cases, Move,
                         ::testing::Values(MoveCase{"first up", 0, {Up}, {"a", "b", "c"}, 0},
                                           MoveCase{"last down", 2, {Down}, {"a", "b", "c"}, 2},
                                           MoveCase{"none up", -1, {Up}, {"a", "b", "c"}, -1},
                                           MoveCase{"none down", -1, {Down}, {"a", "b", "c"}, -1},
                                           MoveCase{"walk down", 0, {Down, Down, Down}, {"b", "c", "a"}, 2},
                                           MoveCase{"middle up", 1, {Up}, {"b", "a", "c"}, 0}));

TEST_F(ListOperations, ExportWritesTheTextFormEachTime) {
    chooser.answers = {"C:\\out\\empty.txt", "C:\\out\\two.txt", "C:\\out\\two.txt"};
    ExportChannelList();
    rows.rows = {{"x", 1}, {"y", 0}};
    ExportChannelList();
    ExportChannelList();
    auto& files = fake::TheOs().files;
    EXPECT_EQ(files.at("C:\\out\\empty.txt"), "");
    EXPECT_EQ(files.at("C:\\out\\two.txt"), "x|锁|\r\ny\r\n");
    EXPECT_EQ(chooser.shown, std::vector<ui::FileDialogKind>(3, ui::FileDialogKind::Save));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ListOperations, ExportCancelledWritesNothingButSerialises) {
    rows.rows = {{"x", 0}};
    ExportChannelList();
    EXPECT_TRUE(fake::TheOs().files.empty());
    EXPECT_EQ(Program().exportText, "x\r\n");
}

TEST_F(ListOperations, FailedExportKeepsTheOldFileAndSaysSo) {
    auto& os = fake::TheOs();
    os.files["D:\\list.txt"] = "old\r\n";
    os.failWrites = true;
    rows.rows = {{"new", 0}};
    chooser.answers = {"D:\\list.txt"};
    ExportChannelList();
    EXPECT_EQ(os.files.at("D:\\list.txt"), "old\r\n");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"box \"导出失败: D:\\list.txt\" \"\" 0x0"});
}

struct ImportCase {
    const char* what;
    std::optional<std::string> file;  // nullopt = no such file
    Rows expected;
    std::vector<std::string> boxes;
};

class Import : public ListOperations, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(Import, ReplacesTheListOnlyWhenTheFileReads) {
    const ImportCase& c = GetParam();
    rows.rows = {{"old", 1}};
    if (c.file) fake::TheOs().files["C:\\频道.txt"] = *c.file;
    chooser.answers = {"C:\\频道.txt"};
    ImportChannelList();
    EXPECT_EQ(chooser.shown, std::vector<ui::FileDialogKind>{ui::FileDialogKind::Open});
    EXPECT_EQ(rows.rows, c.expected);
    EXPECT_EQ(Boxes(), c.boxes) << "the replaced list asks no question";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Import,
    ::testing::Values(
        ImportCase{"entries", "a|锁|\r\nb\r\n", {{"a", 1}, {"b", 0}}, {}},
        ImportCase{"missing file keeps the list", std::nullopt, {{"old", 1}},
                   {"box \"无法读取文件: C:\\频道.txt\" \"\" 0x0"}},
        ImportCase{"empty file", "", {}, {}},
        ImportCase{"zero byte ends the text", std::string("a\r\nb\0c\r\n", 8), {{"a", 0}, {"b", 0}}, {}},
        ImportCase{"zero byte first", std::string("\0a\r\n", 4), {}, {}},
        ImportCase{"lone LF line ends", "a\nb\n", {{"a\nb\n", 0}}, {}}));

TEST_F(ListOperations, ImportCancelledKeepsTheList) {
    rows.rows = {{"old", 1}};
    ImportChannelList();
    EXPECT_EQ(rows.rows, (Rows{{"old", 1}}));
    EXPECT_TRUE(Boxes().empty());
}

}  // namespace
