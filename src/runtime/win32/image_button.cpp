#include "runtime/win32/image_button.h"

#include <commctrl.h>
#include <objbase.h>
#include <olectl.h>

#include <string>

#include "runtime/win32/gbk.h"

namespace win {
namespace {

struct ReleaseCom {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class T>
using ComPtr = std::unique_ptr<T, ReleaseCom>;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// Restores what a DC had selected before, so the bitmap can be freed with the DC.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

constexpr UINT_PTR kTrackingId = 1;

}  // namespace

UniqueBitmap DecodePicture(std::string_view bytes, COLORREF background) {
    if (bytes.empty()) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    if (void* target = GlobalLock(memory)) {
        std::copy(bytes.begin(), bytes.end(), static_cast<char*>(target));
        GlobalUnlock(memory);
    }
    IStream* rawStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &rawStream))) {
        GlobalFree(memory);
        return nullptr;
    }
    ComPtr<IStream> stream(rawStream);
    IPicture* rawPicture = nullptr;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&rawPicture))))
        return nullptr;
    ComPtr<IPicture> picture(rawPicture);

    OLE_XSIZE_HIMETRIC widthHimetric = 0;
    OLE_YSIZE_HIMETRIC heightHimetric = 0;
    picture->get_Width(&widthHimetric);
    picture->get_Height(&heightHimetric);
    HDC screen = GetDC(nullptr);
    // HIMETRIC is hundredths of a millimetre: 2540 to the inch.
    const int width = MulDiv(widthHimetric, GetDeviceCaps(screen, LOGPIXELSX), 2540);
    const int height = MulDiv(heightHimetric, GetDeviceCaps(screen, LOGPIXELSY), 2540);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    UniqueDc dc(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    if (!bitmap || !dc) return nullptr;
    {
        Selection selected(dc.get(), bitmap.get());
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc.get(), &all, brush);
        DeleteObject(brush);
        // The picture's y axis runs upwards: start at its top and go down.
        picture->Render(dc.get(), 0, 0, width, height, 0, heightHimetric, widthHimetric, -heightHimetric, nullptr);
    }
    return bitmap;
}

std::unique_ptr<ControlWindow> CreateImageButton(HWND parent, const ui::ControlDef& def, int id) {
    const DWORD style = WS_CHILD | WS_TABSTOP | BS_OWNERDRAW | (def.visible ? WS_VISIBLE : 0);
    HWND button = CreateWindowExW(0, L"BUTTON", Widen(def.text ? def.text : "").c_str(), style, def.left, def.top,
                                  def.width, def.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (!button) return nullptr;
    return std::make_unique<ImageButton>(button, def, id);
}

ImageButton::ImageButton(HWND window, const ui::ControlDef& def, int id) : ControlWindow(window, def, id) {
    SetWindowSubclass(window, &ImageButton::TrackMouse, kTrackingId, reinterpret_cast<DWORD_PTR>(this));
}

ImageButton::~ImageButton() {
    if (Hwnd()) RemoveWindowSubclass(Hwnd(), &ImageButton::TrackMouse, kTrackingId);
}

LRESULT CALLBACK ImageButton::TrackMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    auto* button = reinterpret_cast<ImageButton*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        if (!button->hovered_) {
            button->hovered_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        button->hovered_ = false;
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        return 1;  // the face covers the whole button; erasing first only flickers
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool ImageButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

ImageButton::Face ImageButton::FaceFor(bool disabled, bool hovered) const {
    if (disabled && faces_[kDisabled]) return kDisabled;
    if (!disabled && hovered && faces_[kHover]) return kHover;
    return kNormal;
}

COLORREF ImageButton::CaptionColourFor(bool disabled, bool hovered, bool focused) const {
    if (disabled) return GetSysColor(COLOR_GRAYTEXT);
    if (hovered) return over_;
    if (focused) return focused_;
    return outside_;
}

void ImageButton::Draw(const DRAWITEMSTRUCT& item) const {
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool hovered = hovered_ || pressed;
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;

    const auto& face = faces_[FaceFor(disabled, hovered)];
    if (face && *face) {
        UniqueDc source(CreateCompatibleDC(dc));
        Selection selected(source.get(), face->get());
        BITMAP info{};
        GetObjectW(face->get(), sizeof info, &info);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), 0, 0,
                   info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        RECT frame = area;
        DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }

    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(static_cast<std::size_t>(length));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    Selection selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CaptionColourFor(disabled, hovered, focused));
    RECT text = area;
    if (pressed) OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

std::unique_ptr<ControlWindow> ImageButton::Clone(HWND parent, int id) const {
    ui::ControlDef def = Def();
    def.visible = false;
    def.left = Left();
    auto copy = CreateImageButton(parent, def, id);
    if (!copy) return nullptr;
    auto& button = static_cast<ImageButton&>(*copy);
    const int length = GetWindowTextLengthW(Hwnd());
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(Hwnd(), caption.data(), length + 1);
    SetWindowTextW(button.Hwnd(), caption.c_str());
    SendMessageW(button.Hwnd(), WM_SETFONT, SendMessageW(Hwnd(), WM_GETFONT, 0, 0), FALSE);
    button.faces_ = faces_;
    button.outside_ = outside_;
    button.over_ = over_;
    button.focused_ = focused_;
    return copy;
}

void ImageButton::SetCaption(std::string_view caption) {
    ControlWindow::SetCaption(caption);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ImageButton::SetPictures(std::string_view normal, std::string_view hover, std::string_view disabled) {
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    const std::string_view pictures[] = {normal, hover, disabled};
    for (int face = kNormal; face <= kDisabled; ++face) {
        UniqueBitmap bitmap = DecodePicture(pictures[face], background);
        faces_[face] = bitmap ? std::make_shared<const UniqueBitmap>(std::move(bitmap)) : nullptr;
    }
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ImageButton::SetCaptionColours(std::uint32_t outside, std::uint32_t over, std::uint32_t focused) {
    outside_ = outside;
    over_ = over;
    focused_ = focused;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

}  // namespace win
