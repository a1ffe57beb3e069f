#pragma once
// In-memory stand-ins for the main window's controls.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "runtime/controls.h"

namespace fake {

struct Row {
    std::string name;
    int state = 0;
    friend bool operator==(const Row&, const Row&) = default;
};

class Rows : public ui::ChannelRows {
public:
    std::vector<Row> rows;
    int selection = -1;
    int redrawOffCount = 0;
    bool redrawOn = true;

    Rows() = default;
    Rows(std::initializer_list<Row> initial) : rows(initial) {}

    int Count() const override { return static_cast<int>(rows.size()); }
    std::string Name(int row) const override { return Valid(row) ? rows[row].name : std::string(); }
    int StateImage(int row) const override { return Valid(row) ? rows[row].state : 0; }
    void SetName(int row, std::string_view name) override {
        if (Valid(row)) rows[row].name = std::string(name);
    }
    void SetStateImage(int row, int state) override {
        if (Valid(row)) rows[row].state = state;
    }
    int Append() override {
        rows.push_back({});
        return Count() - 1;
    }
    void Delete(int row) override {
        if (!Valid(row)) return;
        rows.erase(rows.begin() + row);
        if (selection == row) selection = -1;
        else if (selection > row) --selection;
    }
    void DeleteAll() override {
        rows.clear();
        selection = -1;
    }
    int Selection() const override { return selection; }
    void Select(int row) override { selection = Valid(row) ? row : -1; }
    void SetRedraw(bool on) override {
        if (!on) ++redrawOffCount;
        redrawOn = on;
    }

private:
    bool Valid(int row) const { return row >= 0 && row < Count(); }
};

class TextBox : public ui::TextBox {
public:
    std::string text;
    explicit TextBox(std::string initial = {}) : text(std::move(initial)) {}
    std::string Text() const override { return text; }
    void SetText(std::string_view value) override { text = std::string(value); }
};

class FileChooser : public ui::FileChooser {
public:
    std::deque<std::optional<std::string>> answers;  // nullopt = the user cancels
    std::vector<ui::FileDialogKind> shown;
    std::optional<std::string> Choose(ui::FileDialogKind kind) override {
        shown.push_back(kind);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace fake
