#include "channels/channel_text.h"

#include <string>

#include "channels/clear_question.h"
#include "channels/gbk_scan.h"
#include "shell/program_state.h"

namespace {

struct Entry {
    std::string_view name;
    bool locked = false;
};

Entry EntryOfLine(std::string_view line) {
    if (!line.ends_with(kLockMarker)) return {line, false};
    // The raw tail can be the trail byte of a character followed by "锁|"; only a marker that
    // starts at a character locks the entry, otherwise the line is a plain name.
    const std::size_t marker = gbk::FindAtCharStart(line, kLockMarker);
    if (marker == std::string_view::npos) return {line, false};
    return {line.substr(0, marker), true};
}

}  // namespace

void SerializeChannelList() {
    ProgramState& program = Program();
    program.exportText.clear();
    const ui::ChannelRows* rows = program.mainWindow.channelList;
    if (!rows) return;
    std::string text;
    const int count = rows->Count();
    for (int row = 0; row < count; ++row) {
        text += rows->Name(row);
        if (rows->StateImage(row) == 1) text += kLockMarker;
        text += kLineEnd;
    }
    program.exportText = std::move(text);
}

void ParseChannelListText(std::string_view text) {
    ProgramState& program = Program();
    ui::ChannelRows* rows = program.mainWindow.channelList;
    if (!rows) return;
    const std::vector<std::string_view> lines = gbk::SplitPieces(text, kLineEnd);

    if (program.editMode == 1) {
        rows->DeleteAll();
    } else if (rows->Count() > 0 && UserWantsListCleared()) {
        rows->DeleteAll();
    }
    if (lines.empty()) return;

    // Otherwise the list view repaints after every insert, which makes a long list slow to load.
    rows->SetRedraw(false);
    for (std::string_view line : lines) {
        const Entry entry = EntryOfLine(line);
        const int row = rows->Append();
        rows->SetName(row, entry.name);
        if (entry.locked) rows->SetStateImage(row, 1);
    }
    rows->SetRedraw(true);
}
