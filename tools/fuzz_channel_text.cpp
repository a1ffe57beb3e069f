// libFuzzer target for the list's text form: ParseChannelListText and SerializeChannelList over
// in-memory rows. The first input byte picks the edit mode, the answer to the question and whether
// the list starts filled; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "channels/channel_text.h"
#include "channels/clear_question.h"
#include "channels/gbk_scan.h"
#include "fake_controls.h"
#include "shell/program_state.h"

namespace {

using Row = fake::Row;
using Rows = fake::Rows;

ProgramState state;
bool answerYes = false;

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// True when the text's last character is whole, so a line end after it cannot be swallowed.
bool EndsWithWholeCharacter(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (gbk::CharLength(text, at) == 1 && static_cast<unsigned char>(text[at]) >= 0x80) return false;
        at += gbk::CharLength(text, at);
    }
    return true;
}

}  // namespace

ProgramState& Program() { return state; }
bool UserWantsListCleared() { return answerYes; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Rows rows;
    state = ProgramState{};
    state.mainWindow.channelList = &rows;
    state.editMode = data[0] & 1;
    answerYes = data[0] & 2;
    if (data[0] & 4) rows.rows = {{"old", 1}, {"\xD2\xDA", 0}};
    const std::size_t before = rows.rows.size();
    const bool cleared = state.editMode == 1 || (before > 0 && answerYes);

    // An exact-size copy, so a read past the end is caught.
    std::vector<char> text(data + 1, data + size);
    const std::string_view view(text.data(), text.size());
    ParseChannelListText(view);

    const std::size_t lines = gbk::SplitPieces(view, kLineEnd).size();
    Require(rows.rows.size() == (cleared ? 0 : before) + lines);
    Require(rows.redrawOn);
    bool wholeNames = true;
    for (const Row& row : rows.rows) {
        Require(row.state == 0 || row.state == 1);
        if (row.state == 1) Require(gbk::FindAtCharStart(row.name, kLockMarker) == std::string_view::npos);
        wholeNames = wholeNames && EndsWithWholeCharacter(row.name);
    }

    SerializeChannelList();
    const std::string first = state.exportText;
    const std::vector<Row> parsed = rows.rows;
    rows.rows.clear();
    state.editMode = 1;
    ParseChannelListText(first);
    if (wholeNames) {
        Require(rows.rows.size() == parsed.size());
        SerializeChannelList();
        Require(state.exportText == first);
    }
    state.mainWindow.channelList = nullptr;
    return 0;
}
