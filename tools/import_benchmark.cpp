// Times the import of a long list into the real list view under the real runtime: the same text
// once with redrawing suspended (as ParseChannelListText does) and once with it left on.
// With redrawing on every insert costs milliseconds under Wine, so that run takes fewer lines
// by default and its time per line is what compares.
// Usage: import_benchmark [lines=100000] [lines with redrawing on=1000]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "channels/channel_text.h"
#include "runtime/form.h"
#include "shell/program_state.h"

namespace {

// Passes everything through but never turns redrawing off.
class AlwaysRedrawing : public ui::ChannelRows {
public:
    explicit AlwaysRedrawing(ui::ChannelRows& rows) : rows_(rows) {}
    int Count() const override { return rows_.Count(); }
    std::string Name(int row) const override { return rows_.Name(row); }
    int StateImage(int row) const override { return rows_.StateImage(row); }
    void SetName(int row, std::string_view name) override { rows_.SetName(row, name); }
    void SetStateImage(int row, int state) override { rows_.SetStateImage(row, state); }
    int Append() override { return rows_.Append(); }
    void Delete(int row) override { rows_.Delete(row); }
    void DeleteAll() override { rows_.DeleteAll(); }
    int Selection() const override { return rows_.Selection(); }
    void Select(int row) override { rows_.Select(row); }
    void SetRedraw(bool) override {}

private:
    ui::ChannelRows& rows_;
};

const ui::ControlDef kControls[] = {
    {.kind = ui::ControlKind::ListView, .name = "超级列表框1", .left = 8, .top = 8, .width = 300, .height = 400},
};
const ui::FormDef kForm{.caption = "import benchmark", .width = 330, .height = 460, .controls = kControls};

std::string ListText(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "频道" + std::to_string(i) + (i % 3 == 0 ? "|锁|\r\n" : "\r\n");
    return text;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

struct Timing {
    double insert = 0;  // ParseChannelListText
    double repaint = 0;  // the paint that follows, so deferred painting is counted too
};

Timing TimeImport(ui::Form& form, ui::ChannelRows& rows, const std::string& text) {
    rows.DeleteAll();
    UpdateWindow(reinterpret_cast<HWND>(form.Window()));
    Program().mainWindow.channelList = &rows;
    LARGE_INTEGER start, parsed, painted;
    QueryPerformanceCounter(&start);
    ParseChannelListText(text);
    QueryPerformanceCounter(&parsed);
    RedrawWindow(reinterpret_cast<HWND>(form.Window()), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&painted);
    return {Seconds(start, parsed), Seconds(parsed, painted)};
}

void Report(const char* what, int lines, const Timing& timing, int rows) {
    const double total = timing.insert + timing.repaint;
    std::printf("%s %6d lines: %8.3f s (insert %.3f s, repaint %.3f s), %.1f us a line, %d rows\n", what, lines, total,
                timing.insert, timing.repaint, lines ? total * 1e6 / lines : 0.0, rows);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int lines = argc > 1 ? _wtoi(argv[1]) : 100000;
    const int slowLines = argc > 2 ? _wtoi(argv[2]) : 1000;
    CreateProgramState();
    ui::Form* form = ui::LoadForm(kForm, nullptr, false);
    if (!form) return 1;
    ui::ChannelRows& rows = form->RowsNamed("超级列表框1");
    AlwaysRedrawing unsuspended(rows);

    const std::string text = ListText(lines);
    // The first import also grows the list view's storage; a second one shows the steady cost.
    const Timing first = TimeImport(*form, rows, text);
    Report("suspended, first:   ", lines, first, rows.Count());
    const Timing again = TimeImport(*form, rows, text);
    Report("suspended, again:   ", lines, again, rows.Count());
    const Timing redrawing = TimeImport(*form, unsuspended, ListText(slowLines));
    Report("redrawing left on:  ", slowLines, redrawing, rows.Count());
    std::fflush(stdout);
    form->Close();
    return 0;
}
