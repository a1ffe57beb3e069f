#include "channels/list_operations.h"

#include <string>

#include "channels/channel_text.h"
#include "shell/program_state.h"

namespace {

ui::ChannelRows* Rows() { return Program().mainWindow.channelList; }

void ReportFailure(std::string_view what, const std::string& path) {
    std::string text(what);
    text += path;
    os::MessageBox(text, "", os::box::kOk);
}

}  // namespace

void DeleteSelectedEntry() {
    ui::ChannelRows* rows = Rows();
    if (!rows) return;
    const int selected = rows->Selection();
    if (selected >= 0) rows->Delete(selected);
}

void DeleteAllEntries() {
    if (ui::ChannelRows* rows = Rows()) rows->DeleteAll();
}

void MoveEntry(MoveDirection direction) {
    ui::ChannelRows* rows = Rows();
    if (!rows) return;
    const int from = rows->Selection();
    int to = 0;
    if (direction == MoveDirection::Up) {
        if (from <= 0) return;
        to = from - 1;
    } else {
        if (from < 0 || from + 1 >= rows->Count()) return;
        to = from + 1;
    }
    // Only the names travel; each row keeps its check state.
    const std::string moving = rows->Name(from);
    rows->SetName(from, rows->Name(to));
    rows->SetName(to, moving);
    rows->Select(to);
}

void ImportChannelList() {
    ProgramState& program = Program();
    ui::ChannelRows* rows = program.mainWindow.channelList;
    ui::FileChooser* chooser = program.mainWindow.fileChooser;
    if (!rows || !chooser) return;
    const std::optional<std::string> path = chooser->Choose(ui::FileDialogKind::Open);
    if (!path) return;
    // Read first: a file that cannot be read must not cost the user the list they have.
    const std::optional<std::string> bytes = os::ReadWholeFile(*path);
    if (!bytes) {
        ReportFailure("无法读取文件: ", *path);
        return;
    }
    std::string_view text = *bytes;
    text = text.substr(0, text.find('\0'));
    rows->DeleteAll();
    ParseChannelListText(text);
}

void ExportChannelList() {
    SerializeChannelList();
    ProgramState& program = Program();
    ui::FileChooser* chooser = program.mainWindow.fileChooser;
    if (!chooser) return;
    const std::optional<std::string> path = chooser->Choose(ui::FileDialogKind::Save);
    if (!path) return;
    if (!os::ReplaceFileContents(*path, program.exportText)) ReportFailure("导出失败: ", *path);
}
