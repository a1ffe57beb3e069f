#pragma once
// A form's control over one child window (or none, for the invisible kinds). The form keeps its
// controls as ControlWindow objects and reflects to the control that raised it each message a
// parent receives about a child: WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR* and WM_NOTIFY. The form
// itself runs the control's onClick on BN_CLICKED and on a timer tick; a control only draws and
// answers what its kind needs.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "runtime/form.h"

namespace win {

class ControlWindow : public ui::Control {
public:
    // `def` is copied; its texts must outlive the control (form tables are static).
    ControlWindow(HWND window, const ui::ControlDef& def, int id);
    ~ControlWindow() override;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND Hwnd() const { return window_; }
    const ui::ControlDef& Def() const { return def_; }
    int Id() const { return id_; }

    // A message the parent got about this control. True when handled; `result` is then returned.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A hidden copy with the same settings and handler, as a new child of `parent`; null for the
    // kinds that cannot be copied.
    virtual std::unique_ptr<ControlWindow> Clone(HWND parent, int id) const;

    std::string_view Name() const override;
    os::Hwnd Window() const override;
    std::string Tag() const override;
    void SetTag(std::string_view tag) override;
    void SetVisible(bool visible) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    void SetLeft(int left) override;
    void SetCaption(std::string_view caption) override;
    void SetPictures(std::string_view normal, std::string_view hover, std::string_view disabled) override;
    void SetCaptionColours(std::uint32_t outside, std::uint32_t over, std::uint32_t focused) override;

protected:
    // The control's place in its parent's client area.
    RECT PlaceInParent() const;

private:
    HWND window_;
    ui::ControlDef def_;
    int id_;
    std::string tag_;
};

// The font of a control definition (null face = the default GUI font); the caller owns it.
struct FontDeleter {
    void operator()(HFONT font) const;
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
UniqueFont CreateControlFont(const ui::FontDef& font);

}  // namespace win
