#include <gtest/gtest.h>
#include <windows.h>
// The common controls build on the types of <windows.h>.
#include <commctrl.h>

#include <string>

#include "runtime/form.h"
#include "runtime/os.h"
#include "runtime/win32/gbk.h"

namespace {

int timerTicks = 0;
void CountTick(ui::Form&, ui::Control&) { ++timerTicks; }

const ui::ControlDef kControls[] = {
    {.kind = ui::ControlKind::ListView, .name = "列表", .left = 5, .top = 1, .width = 200, .height = 150},
    {.kind = ui::ControlKind::LineEdit, .name = "编辑框1", .left = 5, .top = 160, .width = 200, .height = 17},
    {.kind = ui::ControlKind::Label,
     .name = "标签1",
     .left = 5,
     .top = 180,
     .width = 100,
     .height = 17,
     .text = "标签"},
    {.kind = ui::ControlKind::TransparentLabel,
     .name = "透明标签1",
     .left = 110,
     .top = 180,
     .width = 90,
     .height = 17,
     .text = "透明"},
    {.kind = ui::ControlKind::Timer, .name = "时钟1", .onClick = CountTick},
};

const ui::FormDef kForm{
    .caption = "试验窗口", .width = 240, .height = 260, .dragBySurface = true, .controls = kControls};

// One live form per test, destroyed at its end.
class RuntimeControls : public ::testing::Test {
protected:
    ui::Form* form = nullptr;
    void SetUp() override {
        form = ui::LoadForm(kForm, nullptr, false);
        ASSERT_NE(form, nullptr);
    }
    void TearDown() override {
        if (form) DestroyWindow(Hwnd(form->Window()));
        Pump(50);
    }
    static HWND Hwnd(os::Hwnd window) { return reinterpret_cast<HWND>(window); }
    static void Pump(DWORD ms) {
        const DWORD until = GetTickCount() + ms;
        MSG message;
        do {
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(5);
        } while (GetTickCount() < until);
    }
};

TEST_F(RuntimeControls, ListRowsKeepNamesAndCheckBoxesAsTheLogicSeesThem) {
    ui::ChannelRows& rows = form->RowsNamed("列表");
    HWND list = Hwnd(form->ControlNamed("列表").Window());
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.Append(), 0);
    EXPECT_EQ(rows.Append(), 1);
    EXPECT_EQ(rows.Append(), 2);
    const std::string longName(700, 'n');
    rows.SetName(0, "频道|锁");
    rows.SetName(1, "乗");  // 81 5C: a trail byte that is a backslash
    rows.SetName(2, longName);
    rows.SetStateImage(1, 1);

    EXPECT_EQ(rows.Name(0), "频道|锁");
    EXPECT_EQ(rows.Name(1), "乗");
    EXPECT_EQ(rows.Name(2), longName);
    EXPECT_EQ(rows.StateImage(0), 0);
    EXPECT_EQ(rows.StateImage(1), 1);
    // The control itself keeps a ticked box as state image 2 and a new row unticked.
    EXPECT_EQ(ListView_GetItemState(list, 1, LVIS_STATEIMAGEMASK) >> 12, 2u);
    EXPECT_EQ(ListView_GetItemState(list, 0, LVIS_STATEIMAGEMASK) >> 12, 1u);
    EXPECT_EQ(rows.Name(3), "");
    EXPECT_EQ(rows.StateImage(3), 0);
    EXPECT_EQ(rows.Name(-1), "");

    EXPECT_EQ(rows.Selection(), -1);
    rows.Select(2);
    EXPECT_EQ(rows.Selection(), 2);
    rows.Select(0);
    EXPECT_EQ(rows.Selection(), 0);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
    rows.Delete(0);
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.Name(0), "乗");
    EXPECT_EQ(rows.StateImage(0), 1);
    rows.SetStateImage(0, 0);
    EXPECT_EQ(rows.StateImage(0), 0);
    rows.SetRedraw(false);
    rows.Append();
    rows.SetRedraw(true);
    EXPECT_EQ(rows.Count(), 3);
    rows.DeleteAll();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(rows.Selection(), -1);
}

TEST_F(RuntimeControls, ListViewHasTheMainWindowsSettings) {
    HWND list = Hwnd(form->ControlNamed("列表").Window());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_EDITLABELS | LVS_SORTASCENDING | LVS_SORTDESCENDING));
    const DWORD extended = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE(extended & LVS_EX_CHECKBOXES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 300);
}

TEST_F(RuntimeControls, EditBoxTextRoundTripsThroughGbkWithoutTheDefaultLimit) {
    ui::TextBox& box = form->TextBoxNamed("编辑框1");
    HWND edit = Hwnd(form->ControlNamed("编辑框1").Window());
    box.SetText("密码乗1");
    EXPECT_EQ(box.Text(), "密码乗1");
    wchar_t wide[32] = {};
    GetWindowTextW(edit, wide, 32);
    EXPECT_STREQ(wide, L"密码乗1");
    const std::string longText(40000, '7');
    box.SetText(longText);
    EXPECT_EQ(box.Text(), longText);
    box.SetText("");
    EXPECT_EQ(box.Text(), "");
    // A name that is no edit box reads as empty rather than failing.
    EXPECT_EQ(form->TextBoxNamed("列表").Text(), "");
}

TEST_F(RuntimeControls, TimerTicksAtItsPeriodAndStopsAtZero) {
    timerTicks = 0;
    Pump(150);
    EXPECT_EQ(timerTicks, 0);
    form->SetTimerPeriod("时钟1", 30);
    Pump(400);
    EXPECT_GE(timerTicks, 3);
    form->SetTimerPeriod("时钟1", 0);
    Pump(50);
    const int stoppedAt = timerTicks;
    Pump(200);
    EXPECT_EQ(timerTicks, stoppedAt);
}

TEST_F(RuntimeControls, PressesOnTheSurfaceAndOnLabelsDragTheWindow) {
    HWND window = Hwnd(form->Window());
    auto hitAt = [](HWND target, int x, int y) {
        POINT point{x, y};
        ClientToScreen(GetParent(target) ? GetParent(target) : target, &point);
        return SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    };
    EXPECT_EQ(hitAt(window, 220, 220), HTCAPTION);
    EXPECT_EQ(hitAt(Hwnd(form->ControlNamed("标签1").Window()), 10, 185), HTTRANSPARENT);
    EXPECT_EQ(hitAt(Hwnd(form->ControlNamed("透明标签1").Window()), 120, 185), HTTRANSPARENT);
    EXPECT_EQ(hitAt(Hwnd(form->ControlNamed("编辑框1").Window()), 10, 165), HTCLIENT);
}

bool ownerDisabledWhileModal = false;
bool modalDestroyed = false;

const ui::ControlDef kDialogControls[] = {
    {.kind = ui::ControlKind::LineEdit, .name = "编辑框1", .left = 5, .top = 5, .width = 100, .height = 17},
    {.kind = ui::ControlKind::Timer,
     .name = "时钟1",
     .onClick =
         [](ui::Form& form, ui::Control&) {
             form.SetTimerPeriod("时钟1", 0);
             ownerDisabledWhileModal = !IsWindowEnabled(GetWindow(reinterpret_cast<HWND>(form.Window()), GW_OWNER));
             // Esc as the user presses it, into the focused box.
             HWND edit = reinterpret_cast<HWND>(form.ControlNamed("编辑框1").Window());
             SetFocus(edit);
             PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
};

const ui::FormDef kDialog{.caption = "模态",
                          .width = 200,
                          .height = 120,
                          .escCloses = true,
                          .controls = kDialogControls,
                          .onCreate = [](ui::Form& form) { form.SetTimerPeriod("时钟1", 100); },
                          .onDestroy = [](ui::Form&) { modalDestroyed = true; }};

TEST_F(RuntimeControls, AModalFormDisablesItsParentUntilEscClosesIt) {
    modalDestroyed = false;
    ownerDisabledWhileModal = false;
    UINT_PTR guard = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND dialog = FindWindowW(L"QuorvaneForm", L"模态")) DestroyWindow(dialog);
    });
    EXPECT_EQ(ui::LoadForm(kDialog, form, true), nullptr);
    KillTimer(nullptr, guard);
    EXPECT_TRUE(modalDestroyed);
    EXPECT_TRUE(ownerDisabledWhileModal);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(form->Window())));
    EXPECT_EQ(FindWindowW(L"QuorvaneForm", L"模态"), nullptr);
}

TEST(RuntimeLoop, EndsWhenTheLastFormGoesEvenIfAWaitTookTheQuit) {
    static const ui::ControlDef controls[] = {
        {.kind = ui::ControlKind::Timer, .name = "时钟1", .onClick = [](ui::Form& form, ui::Control&) {
             form.SetTimerPeriod("时钟1", 0);
             form.Close();
             // As a run's wait does: it dispatches the close and then takes the quit that follows.
             const DWORD until = GetTickCount() + 300;
             while (GetTickCount() < until) {
                 while (os::PeekMessageId())
                     os::DispatchNextMessage();
                 Sleep(5);
             }
         }}};
    static const ui::FormDef def{
        .caption = "最后", .width = 100, .height = 100, .controls = controls, .onCreate = [](ui::Form& form) {
            form.SetTimerPeriod("时钟1", 50);
        }};
    UINT_PTR guard = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
        ADD_FAILURE() << "the loop went on after its last form";
        PostQuitMessage(1);
    });
    ASSERT_NE(ui::LoadForm(def, nullptr, false), nullptr);
    EXPECT_EQ(ui::RunMessageLoop(), 0);
    KillTimer(nullptr, guard);
}

COLORREF FramePixel(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(window);
    const COLORREF pixel = GetPixel(dc, 0, 0);
    ReleaseDC(window, dc);
    return pixel;
}

constexpr COLORREF kGreyBlue = RGB(123, 158, 189);

const ui::ControlDef kLookControls[] = {
    {.kind = ui::ControlKind::LineEdit, .name = "编辑框1", .left = 5, .top = 5, .width = 100, .height = 17},
    {.kind = ui::ControlKind::Button, .name = "按钮1", .left = 5, .top = 30, .width = 80, .height = 20, .text = "按钮"},
};
const ui::FormDef kLookForm{.caption = "外观", .width = 200, .height = 120, .controls = kLookControls};

TEST(RuntimeXpLook, FramesTheControlsOfWindowsMadeBeforeAndAfterAndOfMessageBoxes) {
    ui::SetXpLook(0);  // the main window switches it on for the whole thread
    ui::Form* before = ui::LoadForm(kLookForm, nullptr, false);
    ASSERT_NE(before, nullptr);
    HWND edit = reinterpret_cast<HWND>(before->ControlNamed("编辑框1").Window());
    EXPECT_NE(FramePixel(edit), kGreyBlue);

    ui::SetXpLook(1);
    EXPECT_EQ(FramePixel(edit), kGreyBlue);
    EXPECT_EQ(FramePixel(reinterpret_cast<HWND>(before->ControlNamed("按钮1").Window())), kGreyBlue);
    ui::Form* after = ui::LoadForm(kLookForm, nullptr, false);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(FramePixel(reinterpret_cast<HWND>(after->ControlNamed("编辑框1").Window())), kGreyBlue);

    // A message box without a caption of its own gets the runtime's, and its button the look.
    static COLORREF boxButton = 0;
    static bool boxSeen = false;
    boxSeen = false;
    UINT_PTR look = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(L"#32770", L"信息：");
        if (!box) return;
        KillTimer(nullptr, timer);
        boxSeen = true;
        boxButton = FramePixel(GetDlgItem(box, IDOK));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(os::MessageBox("内容", "", os::box::kOk), os::box::kIdOk);
    KillTimer(nullptr, look);
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(boxButton, kGreyBlue);

    ui::SetXpLook(0);
    EXPECT_NE(FramePixel(edit), kGreyBlue);
    DestroyWindow(reinterpret_cast<HWND>(before->Window()));
    DestroyWindow(reinterpret_cast<HWND>(after->Window()));
}

TEST(RuntimeResources, EmbeddedPicturesAreFoundByName) {
    const std::string_view splash = ui::ResourceBytes("SPLASH_PICTURE");
    ASSERT_GT(splash.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(splash[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(splash[1]), 0xD8);
    EXPECT_TRUE(ui::ResourceBytes("NO_SUCH_PICTURE").empty());
    EXPECT_TRUE(ui::ResourceBytes(nullptr).empty());
}

}  // namespace
