#include <windows.h>
// The common controls build on the types of <windows.h>.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/win32/control_window.h"
#include "runtime/win32/file_dialog.h"
#include "runtime/win32/gbk.h"
#include "runtime/win32/image_button.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/standard_controls.h"

namespace win {
namespace {

constexpr wchar_t kFormClass[] = L"QuorvaneForm";
// Control ids start above IDOK and IDCANCEL, which dialog keys send on Enter and Esc.
constexpr int kFirstControlId = 1000;

int liveForms = 0;
int formsLoaded = 0;

class NoControl final : public ControlWindow {
public:
    NoControl() : ControlWindow(nullptr, ui::ControlDef{.kind = ui::ControlKind::Label, .name = ""}, 0) {}
};

class NoTextBox final : public ui::TextBox {
public:
    std::string Text() const override { return {}; }
    void SetText(std::string_view) override {}
};

class NoRows final : public ui::ChannelRows {
public:
    int Count() const override { return 0; }
    std::string Name(int) const override { return {}; }
    int StateImage(int) const override { return 0; }
    void SetName(int, std::string_view) override {}
    void SetStateImage(int, int) override {}
    int Append() override { return -1; }
    void Delete(int) override {}
    void DeleteAll() override {}
    int Selection() const override { return -1; }
    void Select(int) override {}
    void SetRedraw(bool) override {}
};

class NoChooser final : public ui::FileChooser {
public:
    std::optional<std::string> Choose(ui::FileDialogKind) override { return std::nullopt; }
};

class FormWindow final : public ui::Form {
public:
    FormWindow(const ui::FormDef& def, bool modal) : def_(def), modal_(modal) {}

    // Keeps the form alive while a handler of it runs: a handler may close the form (a run that
    // pumps messages while the window is closed under it), and the form's memory must stay
    // until the handler has returned.
    class Hold {
    public:
        explicit Hold(FormWindow* form) : form_(form) { ++form_->holds_; }
        ~Hold() {
            if (--form_->holds_ == 0 && form_->gone_) delete form_;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        FormWindow* form_;
    };

    bool Build(HWND owner);
    void Show() { ShowWindow(window_, SW_SHOW); }
    HWND Hwnd() const { return window_; }
    bool Gone() const { return gone_; }

    os::Hwnd Window() const override { return reinterpret_cast<os::Hwnd>(window_); }
    ui::Control& ControlNamed(std::string_view name) override;
    ui::TextBox& TextBoxNamed(std::string_view name) override;
    ui::ChannelRows& RowsNamed(std::string_view name) override;
    ui::FileChooser& FileChooserNamed(std::string_view name) override;
    ui::Control& CloneImageButton(ui::Control& model) override;
    void SetTimerPeriod(std::string_view timerName, std::uint32_t periodMs) override;
    void Close() override {
        if (!gone_) PostMessageW(window_, WM_CLOSE, 0, 0);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    ControlWindow* ControlWithId(int id);
    ControlWindow* ControlWithWindow(HWND window);
    bool Reflect(ControlWindow* control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Paint();

    const ui::FormDef& def_;
    bool modal_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::vector<std::pair<std::string, std::unique_ptr<ui::FileChooser>>> choosers_;
    UniqueBitmap background_;
    int nextId_ = kFirstControlId;
    int holds_ = 0;
    bool gone_ = false;

    NoControl noControl_;
    NoTextBox noTextBox_;
    NoRows noRows_;
    NoChooser noChooser_;
};

void RegisterFormClass() {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = FormWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kFormClass;
    registered = RegisterClassExW(&windowClass) != 0;
}

POINT CentredOnScreen(int width, int height) {
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
}

const ui::ControlDef* DefNamed(std::span<const ui::ControlDef> defs, const char* name) {
    if (!name) return nullptr;
    for (const ui::ControlDef& def : defs)
        if (def.name && std::string_view(def.name) == name) return &def;
    return nullptr;
}

bool FormWindow::Build(HWND owner) {
    owner_ = owner;
    DWORD style = WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    // A frameless or owned window appears in the task bar only when asked to.
    if (def_.taskbarButton) exStyle |= WS_EX_APPWINDOW;
    if (def_.frame == ui::Frame::None) {
        style |= WS_POPUP;
    } else {
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (def_.minimiseBox ? WS_MINIMIZEBOX : 0);
        // The forms have no icon; without this frame the caption shows the default one.
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    const POINT place = CentredOnScreen(def_.width, def_.height);
    window_ = CreateWindowExW(exStyle, kFormClass, Widen(def_.caption ? def_.caption : "").c_str(), style, place.x,
                              place.y, def_.width, def_.height, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) return false;
    if (def_.backgroundResource)
        background_ = DecodePicture(ui::ResourceBytes(def_.backgroundResource), FormBackgroundColour());

    for (const ui::ControlDef& def : def_.controls) {
        const int id = nextId_++;
        if (def.kind == ui::ControlKind::FileDialog) {
            choosers_.emplace_back(def.name ? def.name : "", CreateFileDialog(window_, def));
            continue;
        }
        int left = def.left;
        int top = def.top;
        if (const ui::ControlDef* group = DefNamed(def_.controls, def.parent)) {
            left += group->left;
            top += group->top;
        }
        std::unique_ptr<ControlWindow> control;
        if (def.kind == ui::ControlKind::ImageButton) {
            ui::ControlDef placed = def;
            placed.left = left;
            placed.top = top;
            control = CreateImageButton(window_, placed, id);
        } else {
            control = CreateStandardControl(window_, def, id, left, top);
        }
        if (control) controls_.push_back(std::move(control));
    }
    // Groups and labels lie behind the controls that stand on them.
    for (const auto& control : controls_) {
        const ui::ControlKind kind = control->Def().kind;
        if (control->Hwnd() && (kind == ui::ControlKind::GroupBox || kind == ui::ControlKind::Label))
            SetWindowPos(control->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

ControlWindow* FormWindow::ControlWithId(int id) {
    for (const auto& control : controls_)
        if (control->Id() == id) return control.get();
    return nullptr;
}

ControlWindow* FormWindow::ControlWithWindow(HWND window) {
    if (!window) return nullptr;
    for (const auto& control : controls_)
        if (control->Hwnd() == window) return control.get();
    return nullptr;
}

ui::Control& FormWindow::ControlNamed(std::string_view name) {
    for (const auto& control : controls_)
        if (control->Name() == name) return *control;
    return noControl_;
}

ui::TextBox& FormWindow::TextBoxNamed(std::string_view name) {
    auto* box = dynamic_cast<ui::TextBox*>(&ControlNamed(name));
    return box ? *box : noTextBox_;
}

ui::ChannelRows& FormWindow::RowsNamed(std::string_view name) {
    auto* rows = dynamic_cast<ui::ChannelRows*>(&ControlNamed(name));
    return rows ? *rows : noRows_;
}

ui::FileChooser& FormWindow::FileChooserNamed(std::string_view name) {
    for (const auto& [chooserName, chooser] : choosers_)
        if (chooserName == name && chooser) return *chooser;
    return noChooser_;
}

ui::Control& FormWindow::CloneImageButton(ui::Control& model) {
    auto* source = dynamic_cast<ControlWindow*>(&model);
    if (!source) return noControl_;
    std::unique_ptr<ControlWindow> copy = source->Clone(window_, nextId_++);
    if (!copy) return noControl_;
    controls_.push_back(std::move(copy));
    return *controls_.back();
}

void FormWindow::SetTimerPeriod(std::string_view timerName, std::uint32_t periodMs) {
    for (const auto& control : controls_) {
        if (control->Def().kind != ui::ControlKind::Timer || control->Name() != timerName) continue;
        const auto id = static_cast<UINT_PTR>(control->Id());
        KillTimer(window_, id);
        if (periodMs > 0) SetTimer(window_, id, periodMs, nullptr);
    }
}

bool FormWindow::Reflect(ControlWindow* control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return control && control->OnReflected(message, wParam, lParam, result);
}

void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& target) {
    BITMAP size{};
    if (!GetObjectW(bitmap, sizeof size, &size)) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source, 0, 0,
               size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

void FormWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    if (background_) {
        RECT client;
        GetClientRect(window_, &client);
        StretchBitmap(dc, background_.get(), client);
    }
    EndPaint(window_, &paint);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_COMMAND: {
            if (lParam == 0 && LOWORD(wParam) == IDCANCEL && def_.escCloses) {
                Close();
                return 0;
            }
            ControlWindow* control = ControlWithId(LOWORD(wParam));
            if (Reflect(control, message, wParam, lParam, result)) return result;
            if (control && HIWORD(wParam) == BN_CLICKED && control->Def().onClick)
                control->Def().onClick(*this, *control);
            return 0;
        }
        case WM_TIMER: {
            ControlWindow* control = ControlWithId(static_cast<int>(wParam));
            if (control && control->Def().kind == ui::ControlKind::Timer && control->Def().onClick)
                control->Def().onClick(*this, *control);
            return 0;
        }
        case WM_DRAWITEM:
            if (Reflect(ControlWithId(static_cast<int>(wParam)), message, wParam, lParam, result)) return result;
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (Reflect(ControlWithWindow(header->hwndFrom), message, wParam, lParam, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            if (Reflect(ControlWithWindow(reinterpret_cast<HWND>(lParam)), message, wParam, lParam, result))
                return result;
            break;
        case WM_NCHITTEST: {
            result = DefWindowProcW(window_, message, wParam, lParam);
            if (def_.dragBySurface && result == HTCLIENT) return HTCAPTION;
            return result;
        }
        case WM_ERASEBKGND:
            if (background_) return 1;
            break;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DESTROY:
            for (const auto& control : controls_)
                if (control->Def().kind == ui::ControlKind::Timer)
                    KillTimer(window_, static_cast<UINT_PTR>(control->Id()));
            // Given back before the window goes, so activation returns to it and not to another program.
            if (modal_ && owner_) EnableWindow(owner_, TRUE);
            if (def_.onDestroy) def_.onDestroy(*this);
            return 0;
        case WM_NCDESTROY:
            gone_ = true;
            if (modal_) PopDialogWindow(window_);
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            if (--liveForms == 0) PostQuitMessage(0);
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        ++liveForms;
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) return DefWindowProcW(window, message, wParam, lParam);
    Hold hold(form);
    return form->Handle(message, wParam, lParam);
}

[[noreturn]] void FailFirstWindow() {
    MessageBoxW(nullptr, L"窗口载入失败。", L"信息：", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // A fatal end of the runtime: the exit routine is for orderly ends only.
    ExitProcess(1);
}

}  // namespace
}  // namespace win

namespace ui {

void SetUpRuntime() { win::RegisterFormClass(); }

Form* LoadForm(const FormDef& def, Form* parent, bool modal) {
    win::RegisterFormClass();
    HWND owner = parent ? reinterpret_cast<HWND>(parent->Window()) : nullptr;
    auto fresh = std::make_unique<win::FormWindow>(def, modal);
    if (!fresh->Build(owner)) {
        if (win::formsLoaded == 0) win::FailFirstWindow();
        return nullptr;
    }
    ++win::formsLoaded;
    // From here the window owns the form, which goes when the window has gone and no handler runs.
    win::FormWindow* form = fresh.release();
    HWND window = form->Hwnd();
    bool alive = false;
    {
        win::FormWindow::Hold hold(form);
        if (def.onCreate) def.onCreate(*form);
        if (!form->Gone()) {
            if (modal && owner) EnableWindow(owner, FALSE);
            if (modal && def.escCloses) win::PushDialogWindow(window);
            form->Show();
            alive = !form->Gone();
        }
    }
    if (!alive) return nullptr;
    if (!modal) return form;
    win::RunModalLoop(window);
    return nullptr;
}

}  // namespace ui
