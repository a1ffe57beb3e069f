#pragma once
// The controls that logic reads and writes. The main window's real controls and the tests'
// in-memory fakes implement them; the controls are the data store, so nothing keeps a copy.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The channel list view: one row per entry, column 0 the name, the check box the locked flag.
class ChannelRows {
public:
    virtual ~ChannelRows() = default;
    virtual int Count() const = 0;
    // Past the end a row reads as an empty, unchecked name.
    virtual std::string Name(int row) const = 0;
    virtual int StateImage(int row) const = 0;  // 1 checked, 0 unchecked
    virtual void SetName(int row, std::string_view name) = 0;
    virtual void SetStateImage(int row, int state) = 0;
    virtual int Append() = 0;  // a new unchecked row with an empty name; returns its index
    virtual void Delete(int row) = 0;
    virtual void DeleteAll() = 0;
    virtual int Selection() const = 0;  // -1 when no row is selected
    virtual void Select(int row) = 0;   // selects and focuses row, clearing the previous selection
    virtual void SetRedraw(bool on) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

enum class FileDialogKind { Open, Save };

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Shows the dialog of the given kind; the chosen path, or nullopt when the user cancels.
    virtual std::optional<std::string> Choose(FileDialogKind kind) = 0;
};

}  // namespace ui
