#include "runtime/win32/image_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace {

std::string_view Resource(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return {};
    const void* bytes = LockResource(LoadResource(nullptr, found));
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

// A parent that hands WM_DRAWITEM to the button, as a form does.
LRESULT CALLBACK ReflectingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* button = reinterpret_cast<win::ControlWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (message == WM_DRAWITEM && button && button->OnReflected(message, wParam, lParam, result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

class ImageButtonTest : public ::testing::Test {
protected:
    HWND parent = nullptr;
    std::unique_ptr<win::ControlWindow> control;
    win::ImageButton* button = nullptr;

    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ReflectingParent;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ImageButtonTestParent";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                                 wc.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        const ui::ControlDef def{.kind = ui::ControlKind::ImageButton, .name = "图片按钮1", .left = 7, .top = 5,
                                 .width = 98, .height = 23, .visible = false};
        control = win::CreateImageButton(parent, def, 100);
        ASSERT_NE(control, nullptr);
        button = dynamic_cast<win::ImageButton*>(control.get());
        ASSERT_NE(button, nullptr);
        SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control.get()));
    }
    void TearDown() override {
        SetWindowLongPtrW(parent, GWLP_USERDATA, 0);
        control.reset();
        DestroyWindow(parent);
    }

    // Paints the button as its parent would be asked to, into a bitmap, and reads one pixel.
    COLORREF PaintedPixel(int x, int y, UINT state = 0) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 98, 23);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        DRAWITEMSTRUCT item{ODT_BUTTON, 100, 0, ODA_DRAWENTIRE, state, button->Hwnd(), dc, {0, 0, 98, 23}, 0};
        SendMessageW(parent, WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item));
        const COLORREF pixel = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return pixel;
    }
};

TEST_F(ImageButtonTest, EmbeddedFacesDecodeAndFollowTheMouse) {
    const std::string_view normal = Resource(L"BUTTON_NORMAL");
    const std::string_view hover = Resource(L"BUTTON_HOVER");
    ASSERT_FALSE(normal.empty());
    ASSERT_FALSE(hover.empty());
    button->SetPictures(normal, hover, {});
    EXPECT_TRUE(button->HasFace(win::ImageButton::kNormal));
    EXPECT_TRUE(button->HasFace(win::ImageButton::kHover));
    EXPECT_FALSE(button->HasFace(win::ImageButton::kDisabled));

    // The left edge, halfway down, is the outline.
    EXPECT_EQ(PaintedPixel(0, 11), RGB(112, 112, 112));
    SendMessageW(button->Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(button->Hovered());
    EXPECT_EQ(PaintedPixel(0, 11), RGB(0, 186, 255));
    SendMessageW(button->Hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button->Hovered());
    EXPECT_EQ(PaintedPixel(0, 11), RGB(112, 112, 112));
    EXPECT_EQ(PaintedPixel(0, 11, ODS_SELECTED), RGB(0, 186, 255)) << "a pressed button shows the hover face";
    EXPECT_EQ(PaintedPixel(0, 11, ODS_DISABLED), RGB(112, 112, 112)) << "no disabled face: the normal one";
}

TEST_F(ImageButtonTest, BytesThatAreNoPictureGiveNoFace) {
    button->SetPictures("not a picture", {}, {});
    EXPECT_FALSE(button->HasFace(win::ImageButton::kNormal));
    EXPECT_NE(PaintedPixel(50, 11), CLR_INVALID);  // still paints, as a plain button
}

TEST_F(ImageButtonTest, CaptionColourFollowsMouseAndFocus) {
    button->SetCaptionColours(0xB1660B, 0xFF, 0xFF00);
    struct Case {
        bool disabled, hovered, focused;
        COLORREF colour;
    };
    const Case cases[] = {{false, false, false, 0xB1660B},
                          {false, true, false, 0xFF},
                          {false, false, true, 0xFF00},
                          {false, true, true, 0xFF},
                          {true, true, true, GetSysColor(COLOR_GRAYTEXT)}};
    for (const Case& c : cases)
        EXPECT_EQ(button->CaptionColourFor(c.disabled, c.hovered, c.focused), c.colour)
            << c.disabled << c.hovered << c.focused;
}

TEST_F(ImageButtonTest, CloneIsAHiddenCopyWithTheSameFacesAndColours) {
    button->SetPictures(Resource(L"BUTTON_NORMAL"), Resource(L"BUTTON_HOVER"), {});
    button->SetCaptionColours(1, 2, 3);
    button->SetCaption("确认");
    auto copy = button->Clone(parent, 101);
    ASSERT_NE(copy, nullptr);
    auto* clone = dynamic_cast<win::ImageButton*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_FALSE(IsWindowVisible(clone->Hwnd()));
    EXPECT_EQ(GetDlgCtrlID(clone->Hwnd()), 101);
    EXPECT_EQ(clone->Left(), 7);
    EXPECT_EQ(clone->Top(), 5);
    EXPECT_EQ(clone->Width(), 98);
    EXPECT_TRUE(clone->HasFace(win::ImageButton::kHover));
    EXPECT_EQ(clone->CaptionColourFor(false, true, false), 2u);
    wchar_t caption[16] = {};
    GetWindowTextW(clone->Hwnd(), caption, 16);
    EXPECT_STREQ(caption, L"确认");
    EXPECT_EQ(GetWindowLongW(clone->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    copy.reset();
    EXPECT_TRUE(button->HasFace(win::ImageButton::kNormal)) << "the faces are shared, not moved";
}

}  // namespace
