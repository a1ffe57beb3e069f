#pragma once
// The ImageButton control kind: an owner-drawn button that paints one of its picture faces and
// its caption over it. The face follows the mouse (hover tracked with TrackMouseEvent) and the
// enabled state; the caption colour follows the mouse and the focus. Faces are decoded once when
// they are set and kept as bitmaps; clones share them.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "runtime/form.h"
#include "runtime/win32/control_window.h"

namespace win {

// Creates the button as a child of `parent` with the place, size, text and visibility of `def`.
std::unique_ptr<ControlWindow> CreateImageButton(HWND parent, const ui::ControlDef& def, int id);

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// A GIF or JPEG decoded by the system's picture loader, over `background` where it is transparent.
// Null for empty or undecodable bytes.
UniqueBitmap DecodePicture(std::string_view bytes, COLORREF background);

class ImageButton : public ControlWindow {
public:
    enum Face { kNormal, kHover, kDisabled };

    ImageButton(HWND window, const ui::ControlDef& def, int id);
    ~ImageButton() override;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::unique_ptr<ControlWindow> Clone(HWND parent, int id) const override;
    void SetCaption(std::string_view caption) override;
    void SetPictures(std::string_view normal, std::string_view hover, std::string_view disabled) override;
    void SetCaptionColours(std::uint32_t outside, std::uint32_t over, std::uint32_t focused) override;

    bool Hovered() const { return hovered_; }
    bool HasFace(Face face) const { return faces_[face] != nullptr; }
    // The face and the caption colour that the next paint uses for the given states.
    Face FaceFor(bool disabled, bool hovered) const;
    COLORREF CaptionColourFor(bool disabled, bool hovered, bool focused) const;

private:
    static LRESULT CALLBACK TrackMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self);
    void Draw(const DRAWITEMSTRUCT& item) const;

    std::array<std::shared_ptr<const UniqueBitmap>, 3> faces_;
    COLORREF outside_ = RGB(0, 0, 0);
    COLORREF over_ = RGB(0, 0, 0);
    COLORREF focused_ = RGB(0, 0, 0);
    bool hovered_ = false;
};

}  // namespace win
