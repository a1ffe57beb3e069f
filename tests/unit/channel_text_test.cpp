#include "channels/channel_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "channels/gbk_scan.h"
#include "fake_controls.h"
#include "fake_os.h"
#include "shell/program_state.h"

namespace {

using fake::Row;
using Rows = std::vector<Row>;

class ChannelText : public ::testing::Test {
protected:
    fake::Rows rows;
    void SetUp() override {
        fake::Reset();
        CreateProgramState();
        Program().mainWindow.channelList = &rows;
    }
    void TearDown() override { ReleaseProgramState(); }

    // Parses from a buffer of exactly the text's size, so ASan sees any read past the end.
    void Parse(const std::string& text) {
        auto exact = std::make_unique<char[]>(text.size());
        std::copy(text.begin(), text.end(), exact.get());
        ParseChannelListText(std::string_view(exact.get(), text.size()));
    }
    std::vector<std::string> Boxes() const { return fake::TheOs().Lines({"box"}); }
};

TEST_F(ChannelText, SerialisesEveryRowWithItsLineEnd) {
    EXPECT_EQ(Program().exportText, "");
    SerializeChannelList();
    EXPECT_EQ(Program().exportText, "");

    rows.rows = {{"甲", 1}, {"乙", 0}, {"", 0}, {"", 1}};
    SerializeChannelList();
    const std::string expected = "甲|锁|\r\n乙\r\n\r\n|锁|\r\n";
    EXPECT_EQ(Program().exportText, expected);
    EXPECT_EQ(Program().exportText.substr(2, 4), "\x7C\xCB\xF8\x7C");
    SerializeChannelList();
    EXPECT_EQ(Program().exportText, expected) << "a second run must not append to the first";
}

struct ParseCase {
    const char* what;
    std::string text;
    Rows expected;
};

class ParseIntoEmptyList : public ChannelText, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseIntoEmptyList, GivesTheRowsOfItsLines) {
    Parse(GetParam().text);
    EXPECT_EQ(rows.rows, GetParam().expected);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntoEmptyList,
    ::testing::Values(
        ParseCase{"empty text", "", {}},
        ParseCase{"no final line end", "a\r\nb", {{"a", 0}, {"b", 0}}},
        ParseCase{"final line end adds nothing", "a\r\nb\r\n", {{"a", 0}, {"b", 0}}},
        ParseCase{"empty line between", "a\r\n\r\nb\r\n", {{"a", 0}, {"", 0}, {"b", 0}}},
        ParseCase{"single line end", "\r\n", {{"", 0}}},
        ParseCase{"locked", "x|锁|\r\n", {{"x", 1}}},
        ParseCase{"marker alone", "|锁|", {{"", 1}}},
        ParseCase{"marker in the middle", "a|锁|b", {{"a|锁|b", 0}}},
        ParseCase{"marker twice", "a|锁|b|锁|", {{"a", 1}}},
        ParseCase{"marker then blank", "a|锁| ", {{"a|锁| ", 0}}},
        ParseCase{"shorter than the marker", "|锁", {{"|锁", 0}}},
        ParseCase{"lone LF and CR are name bytes", "a\nb\rc\r\n", {{"a\nb\rc", 0}}},
        ParseCase{"GBK names", "频道一\r\n频道二|锁|\r\n", {{"频道一", 0}, {"频道二", 1}}},
        // 億 is 83 7C: its trail byte is '|', so the raw tail equals the marker without one.
        ParseCase{"tail is a trail byte plus 锁|", "億锁|", {{"億锁|", 0}}},
        ParseCase{"trail-byte bar before a real marker", "億锁|x|锁|", {{"億锁|x", 1}}},
        ParseCase{"trail-byte bar right before the marker", "億|锁|", {{"億", 1}}},
        ParseCase{"CR as a trail byte is no separator", "\x81\r\nb", {{"\x81\r\nb", 0}}},
        ParseCase{"cut lead byte at the end", "a\r\nb\x81", {{"a", 0}, {"b\x81", 0}}},
        ParseCase{"cut lead byte alone", "\xCB", {{"\xCB", 0}}},
        ParseCase{"cut lead byte after the marker", "x|锁|\xCB", {{"x|锁|\xCB", 0}}}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

struct QuestionCase {
    const char* what;
    int editMode;
    int answer;
    std::string text;
    bool asks;
    Rows expected;
};

class ParseIntoFilledList : public ChannelText, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(ParseIntoFilledList, ClearsFirstOnlyWhenTold) {
    const QuestionCase& c = GetParam();
    rows.rows = {{"old", 1}, {"旧", 0}};
    Program().editMode = c.editMode;
    fake::TheOs().boxAnswers = {c.answer};
    Parse(c.text);
    if (c.asks) {
        EXPECT_EQ(Boxes(), std::vector<std::string>{"box \"是否清空原来的信息?\" \"询问\" 0x24"});
    } else {
        EXPECT_TRUE(Boxes().empty());
    }
    EXPECT_EQ(rows.rows, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntoFilledList,
    ::testing::Values(
        QuestionCase{"Yes replaces", 0, os::box::kIdYes, "n|锁|\r\nm\r\n", true, {{"n", 1}, {"m", 0}}},
        QuestionCase{"No appends and checks only the locked new rows", 0, os::box::kIdNo, "n\r\nm|锁|\r\n", true,
                     {{"old", 1}, {"旧", 0}, {"n", 0}, {"m", 1}}},
        QuestionCase{"asked even for an empty text, Yes empties", 0, os::box::kIdYes, "", true, {}},
        QuestionCase{"empty text, No keeps", 0, os::box::kIdNo, "", true, {{"old", 1}, {"旧", 0}}},
        QuestionCase{"edit mode replaces without asking", 1, os::box::kIdNo, "n\r\n", false, {{"n", 0}}},
        QuestionCase{"edit mode and an empty text empty the list", 1, os::box::kIdNo, "", false, {}}));

TEST_F(ChannelText, RoundTripKeepsNamesAndChecks) {
    const Rows list = {{"甲", 1}, {"乙", 0}, {"", 0}, {"", 1}, {"a,b", 1}, {"億", 1}, {"億锁|", 0}, {"\r", 0}};
    rows.rows = list;
    SerializeChannelList();
    rows.rows.clear();
    Parse(Program().exportText);
    EXPECT_EQ(rows.rows, list);
}

TEST_F(ChannelText, RoundTripChangesOnlyNamesThatHoldTheMarker) {
    rows.rows = {{"x|锁|", 0}, {"a|锁|b", 1}};
    SerializeChannelList();
    rows.rows.clear();
    Parse(Program().exportText);
    EXPECT_EQ(rows.rows, (Rows{{"x", 1}, {"a", 1}}));
}

TEST_F(ChannelText, LongTextIsInsertedWithRedrawingSuspended) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "频道" + std::to_string(i) + (i % 2 ? "|锁|\r\n" : "\r\n");
    Parse(text);
    ASSERT_EQ(rows.Count(), 100000);
    EXPECT_EQ(rows.rows[99999], (Row{"频道99999", 1}));
    EXPECT_EQ(rows.redrawOffCount, 1);
    EXPECT_TRUE(rows.redrawOn);
}

TEST(GbkScan, FindsOnlyAtCharacterStarts) {
    const std::string_view text = "億|x|";  // 83 7C 7C 78 7C
    EXPECT_EQ(gbk::FindAtCharStart(text, "|"), 2u);
    EXPECT_EQ(gbk::FindAtCharStart(text, "|", 3), 4u);
    EXPECT_EQ(gbk::FindAtCharStart(text, "|", 1), 2u) << "a start inside a character moves to the next one";
    EXPECT_EQ(gbk::FindAtCharStart(text, "y"), std::string_view::npos);
}

TEST(GbkScan, CommaPiecesFollowTheLineRules) {
    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(gbk::SplitPieces("确认,取消", ","), (Pieces{"确认", "取消"}));
    EXPECT_EQ(gbk::SplitPieces("a,,b,", ","), (Pieces{"a", "", "b"}));
    EXPECT_EQ(gbk::SplitPieces(",", ","), (Pieces{""}));
    EXPECT_EQ(gbk::SplitPieces("", ","), Pieces{});
    EXPECT_EQ(gbk::SplitPieces("\x81,x", ","), (Pieces{"\x81,x"})) << "a lead byte takes the byte after it";
}

}  // namespace
