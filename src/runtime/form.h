#pragma once
// The window-and-control runtime: forms described as data, built by the runtime, and the handles
// through which handlers reach a live form and its controls.
//
// Event rules: the runtime calls a form's onCreate once the window and all its controls exist,
// and onDestroy when the window is about to be destroyed, however it was closed. A control's
// onClick runs when a button is clicked or a timer ticks; `source` is the control that raised it.
// Handlers run to their end on the user-interface thread.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/controls.h"
#include "runtime/os.h"

namespace ui {

class Form;
class Control;

using FormEvent = void (*)(Form& form);
using ControlEvent = void (*)(Form& form, Control& source);

enum class ControlKind {
    ListView,          // report view, one column, check boxes (the channel list)
    GroupBox,          // caption drawn in the control's colour
    Label,             // wraps at its width, vertically centred
    TransparentLabel,  // one line, no background, over the form's picture
    LineEdit,          // single line, scrolls sideways
    TextArea,          // multi-line, Enter = new line, vertical scroll bar, wrapping
    Button,            // plain push button, default font
    ImageButton,       // owner-drawn picture faces, hover tracked; clonable
    Timer,             // invisible; period 0 = stopped
    FileDialog,        // invisible; the form's common file dialog
};

struct FontDef {
    const char* face = nullptr;  // null = the default GUI font
    int height = 0;              // character height in pixels
    int weight = 400;
};

struct ControlDef {
    ControlKind kind;
    const char* name;  // the form name, such as 按钮1
    int left = 0;      // relative to `parent` when a parent group is named
    int top = 0;
    int width = 0;
    int height = 0;
    const char* text = "";
    const char* parent = nullptr;  // form name of the group box that holds the control
    ControlEvent onClick = nullptr;
    bool visible = true;
    std::uint32_t colour = 0x000000;  // text colour, 0x00BBGGRR
    FontDef font = {};
};

enum class Frame {
    None,          // no border, no caption bar
    FixedCaption,  // fixed border, caption bar, system menu
};

struct FormDef {
    const char* caption;
    int width;  // outer size
    int height;
    Frame frame = Frame::FixedCaption;
    bool minimiseBox = false;
    bool escCloses = false;
    bool dragBySurface = false;               // a press on the surface or a label drags the window
    bool taskbarButton = false;               // shown in the task bar, also when owned by another window
    const char* backgroundResource = nullptr;  // an embedded JPEG stretched over the client area
    std::span<const ControlDef> controls = {};
    FormEvent onCreate = nullptr;
    FormEvent onDestroy = nullptr;
};

class Control {
public:
    virtual ~Control() = default;
    virtual std::string_view Name() const = 0;
    virtual os::Hwnd Window() const = 0;
    virtual std::string Tag() const = 0;
    virtual void SetTag(std::string_view tag) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    // Image buttons: encoded pictures (GIF or JPEG bytes, empty = none) and caption colours.
    virtual void SetPictures(std::string_view normal, std::string_view hover, std::string_view disabled) = 0;
    virtual void SetCaptionColours(std::uint32_t outside, std::uint32_t over, std::uint32_t focused) = 0;
};

class Form {
public:
    virtual ~Form() = default;
    virtual os::Hwnd Window() const = 0;
    virtual Control& ControlNamed(std::string_view name) = 0;
    virtual TextBox& TextBoxNamed(std::string_view name) = 0;
    virtual ChannelRows& RowsNamed(std::string_view name) = 0;
    virtual FileChooser& FileChooserNamed(std::string_view name) = 0;
    // A copy of an image button: same kind, size, top, settings and click handler, hidden.
    virtual Control& CloneImageButton(Control& model) = 0;
    virtual void SetTimerPeriod(std::string_view timerName, std::uint32_t periodMs) = 0;
    virtual void Close() = 0;  // posts a close request; the window lives until the loop handles it
};

// Prepares the runtime (common controls, the form window class); LoadForm does it too when needed.
void SetUpRuntime();

// Loads a form. Modeless: returns the live form. Modal: disables `parent`, runs a nested loop
// until the window is destroyed, and returns null.
Form* LoadForm(const FormDef& def, Form* parent, bool modal);

// The loop of the program: runs until the last form has been destroyed.
int RunMessageLoop();

// The routine the runtime calls once when the program ends in an orderly way (after the start
// routine has returned); never after a fatal error of the runtime.
void SetExitRoutine(void (*routine)());

// Style 1 to 3 switches the XP-style look on for every window of the thread, present and future;
// any other number switches it off. Style 1 frames controls in RGB(123, 158, 189).
void SetXpLook(int style);

// An embedded resource's bytes (pictures); empty when there is none.
std::string_view ResourceBytes(const char* name);

}  // namespace ui
