#include "runtime/win32/control_window.h"

#include "runtime/win32/gbk.h"

namespace win {

ControlWindow::ControlWindow(HWND window, const ui::ControlDef& def, int id) : window_(window), def_(def), id_(id) {}

// The child window goes with its parent; a control never outlives its form.
ControlWindow::~ControlWindow() = default;

bool ControlWindow::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

std::unique_ptr<ControlWindow> ControlWindow::Clone(HWND, int) const { return nullptr; }

std::string_view ControlWindow::Name() const { return def_.name ? def_.name : ""; }

os::Hwnd ControlWindow::Window() const { return reinterpret_cast<os::Hwnd>(window_); }

std::string ControlWindow::Tag() const { return tag_; }

void ControlWindow::SetTag(std::string_view tag) { tag_ = std::string(tag); }

void ControlWindow::SetVisible(bool visible) {
    def_.visible = visible;
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

RECT ControlWindow::PlaceInParent() const {
    RECT rect{def_.left, def_.top, def_.left + def_.width, def_.top + def_.height};
    if (!window_) return rect;
    GetWindowRect(window_, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ControlWindow::Left() const { return PlaceInParent().left; }

int ControlWindow::Top() const { return PlaceInParent().top; }

int ControlWindow::Width() const {
    const RECT rect = PlaceInParent();
    return rect.right - rect.left;
}

void ControlWindow::SetLeft(int left) {
    def_.left = left;
    if (!window_) return;
    SetWindowPos(window_, nullptr, left, Top(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlWindow::SetCaption(std::string_view caption) {
    if (window_) SetWindowTextW(window_, Widen(caption).c_str());
}

void ControlWindow::SetPictures(std::string_view, std::string_view, std::string_view) {}

void ControlWindow::SetCaptionColours(std::uint32_t, std::uint32_t, std::uint32_t) {}

void FontDeleter::operator()(HFONT font) const { DeleteObject(font); }

UniqueFont CreateControlFont(const ui::FontDef& font) {
    if (!font.face) return nullptr;
    // A negative height asks for the character height rather than the cell height.
    return UniqueFont(CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                  Widen(font.face).c_str()));
}

}  // namespace win
