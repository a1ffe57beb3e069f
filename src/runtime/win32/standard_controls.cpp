#include "runtime/win32/standard_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/win32/gbk.h"
#include "runtime/win32/list_view.h"

namespace win {
namespace {

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND MakeChild(HWND form, const wchar_t* className, DWORD style, DWORD exStyle, const ui::ControlDef& def, int id,
               int left, int top) {
    // Siblings overlap on purpose (a label behind the edit boxes, buttons in group boxes); each
    // one clips the others so the one above stays whole.
    style |= WS_CHILD | WS_CLIPSIBLINGS | (def.visible ? WS_VISIBLE : 0);
    return CreateWindowExW(exStyle, className, Widen(def.text ? def.text : "").c_str(), style, left, top, def.width,
                           def.height, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

// Controls with a font of their own keep it for as long as their window lives.
class FontedControl : public ControlWindow {
public:
    FontedControl(HWND window, const ui::ControlDef& def, int id)
        : ControlWindow(window, def, id), font_(CreateControlFont(def.font)) {
        if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    }
    HFONT Font() const { return font_ ? font_.get() : DefaultFont(); }

private:
    UniqueFont font_;
};

// Draws itself: a themed group box paints its caption in the theme's colour and never asks the
// form, and an unthemed one does not take the text colour from WM_CTLCOLORSTATIC everywhere.
class GroupBox : public FontedControl {
public:
    GroupBox(HWND window, const ui::ControlDef& def, int id) : FontedControl(window, def, id) {
        SetWindowSubclass(window, Paint, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~GroupBox() override {
        if (IsWindow(Hwnd())) RemoveWindowSubclass(Hwnd(), Paint, kSubclassId);
    }

private:
    static constexpr UINT_PTR kSubclassId = 0x4742;
    static constexpr int kCaptionIndent = 8;

    static LRESULT CALLBACK Paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        if (message == WM_NCDESTROY) RemoveWindowSubclass(window, Paint, kSubclassId);
        if (message == WM_ERASEBKGND) return 1;  // the form's surface shows through the inside
        if (message != WM_PAINT) return DefSubclassProc(window, message, wParam, lParam);
        reinterpret_cast<GroupBox*>(data)->Draw();
        return 0;
    }

    void Draw() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Hwnd(), &paint);
        RECT client;
        GetClientRect(Hwnd(), &client);
        HGDIOBJ previous = SelectObject(dc, Font());
        const std::wstring caption = Widen(Def().text ? Def().text : "");
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        RECT frame = client;
        frame.top += text.cy / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        if (!caption.empty()) {
            RECT place{kCaptionIndent, 0, kCaptionIndent + text.cx + 2, text.cy};
            FillRect(dc, &place, GetSysColorBrush(COLOR_BTNFACE));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, Def().colour);
            TextOutW(dc, kCaptionIndent + 1, 0, caption.c_str(), static_cast<int>(caption.size()));
        }
        SelectObject(dc, previous);
        EndPaint(Hwnd(), &paint);
    }
};

// Wrapped at its width and centred as a block between top and bottom, which a plain static
// cannot do for more than one line; so it is drawn here.
class Label : public FontedControl {
public:
    using FontedControl::FontedControl;
    bool OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
        if (message != WM_DRAWITEM) return false;
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        HDC dc = item.hDC;
        RECT box = item.rcItem;
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
        const std::wstring text = WindowText();
        HGDIOBJ previous = SelectObject(dc, Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Def().colour);
        const UINT format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
        const int height = TextHeight(dc, text, box, format);
        const int free = (box.bottom - box.top) - height;
        if (free >= 0) {
            box.top += free / 2;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
        } else {
            DrawClosedUp(dc, text, box, format);
        }
        SelectObject(dc, previous);
        result = TRUE;
        return true;
    }

private:
    static int TextHeight(HDC dc, const std::wstring& text, RECT box, UINT format) {
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
        return box.bottom - box.top;
    }

    // A font that stands in for a missing face can have taller lines than the face asked for, which
    // would push the last lines out of the label: the lines then move closer together so all show.
    static void DrawClosedUp(HDC dc, const std::wstring& text, const RECT& box, UINT format) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
        const int lines = TextHeight(dc, text, box, format) / lineHeight;
        const int step = lines > 0 ? (box.bottom - box.top) / lines : lineHeight;
        int top = box.top;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos) end = text.size();
            std::wstring paragraph = text.substr(start, end - start);
            if (!paragraph.empty() && paragraph.back() == L'\r') paragraph.pop_back();
            const int paragraphLines = std::max(1, TextHeight(dc, paragraph, box, format) / lineHeight);
            RECT place{box.left, top, box.right, top + paragraphLines * lineHeight};
            DrawTextW(dc, paragraph.c_str(), static_cast<int>(paragraph.size()), &place, format);
            top += paragraphLines * step;
            start = end + 1;
        }
    }

    std::wstring WindowText() const {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Hwnd())) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()))));
        return text;
    }
};

// Draws only its text; the form's picture below shows through because the form paints it
// before its children and the label erases nothing.
class TransparentLabel : public FontedControl {
public:
    using FontedControl::FontedControl;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_CTLCOLORSTATIC) return false;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Def().colour);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
};

class EditBox : public FontedControl, public ui::TextBox {
public:
    EditBox(HWND window, const ui::ControlDef& def, int id) : FontedControl(window, def, id) {
        // The system's own limit rather than the default 30000 characters.
        if (window) SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
    }
    std::string Text() const override {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Hwnd())) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }
    void SetText(std::string_view text) override { SetWindowTextW(Hwnd(), Widen(text).c_str()); }
    bool OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_CTLCOLOREDIT) return false;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        result = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        return true;
    }
};

}  // namespace

COLORREF FormBackgroundColour() { return GetSysColor(COLOR_BTNFACE); }

std::unique_ptr<ControlWindow> CreateStandardControl(HWND form, const ui::ControlDef& def, int id, int left, int top) {
    switch (def.kind) {
        case ui::ControlKind::GroupBox: {
            HWND window = MakeChild(form, L"BUTTON", BS_GROUPBOX, 0, def, id, left, top);
            if (!window) return nullptr;
            return std::make_unique<GroupBox>(window, def, id);
        }
        case ui::ControlKind::Label: {
            HWND window = MakeChild(form, L"STATIC", SS_OWNERDRAW, 0, def, id, left, top);
            if (!window) return nullptr;
            return std::make_unique<Label>(window, def, id);
        }
        case ui::ControlKind::TransparentLabel: {
            HWND window = MakeChild(form, L"STATIC", SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, WS_EX_TRANSPARENT, def, id,
                                    left, top);
            if (!window) return nullptr;
            return std::make_unique<TransparentLabel>(window, def, id);
        }
        case ui::ControlKind::LineEdit: {
            HWND window =
                MakeChild(form, L"EDIT", WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0, def, id, left, top);
            if (!window) return nullptr;
            return std::make_unique<EditBox>(window, def, id);
        }
        case ui::ControlKind::TextArea: {
            HWND window = MakeChild(form, L"EDIT",
                                    WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
                                    WS_EX_CLIENTEDGE, def, id, left, top);
            if (!window) return nullptr;
            return std::make_unique<EditBox>(window, def, id);
        }
        case ui::ControlKind::Button: {
            HWND window = MakeChild(form, L"BUTTON", BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP, 0, def, id, left, top);
            if (!window) return nullptr;
            return std::make_unique<FontedControl>(window, def, id);
        }
        case ui::ControlKind::ListView:
            return CreateChannelListView(form, def, id, left, top);
        case ui::ControlKind::Timer:
            return std::make_unique<ControlWindow>(nullptr, def, id);
        case ui::ControlKind::ImageButton:
        case ui::ControlKind::FileDialog:
            return nullptr;
    }
    return nullptr;
}

}  // namespace win
