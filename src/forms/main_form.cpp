#include "forms/main_form.h"

#include "shell/main_window.h"

namespace {

using ui::ControlKind;

constexpr ui::FontDef kLabelFont{.face = "宋体", .height = 16, .weight = 700};
constexpr std::uint32_t kRed = 0x0000FF;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 20;
constexpr int kListButtonLeft = 13;
constexpr int kClientButtonLeft = 11;

// A push button placed in its group box.
constexpr ui::ControlDef GroupButton(const char* group, int left, const char* name, const char* caption, int top,
                                     ui::ControlEvent onClick) {
    return {.kind = ControlKind::Button,
            .name = name,
            .left = left,
            .top = top,
            .width = kButtonWidth,
            .height = kButtonHeight,
            .text = caption,
            .parent = group,
            .onClick = onClick};
}

constexpr ui::ControlDef ListButton(const char* name, const char* caption, int top, ui::ControlEvent onClick) {
    return GroupButton("分组框1", kListButtonLeft, name, caption, top, onClick);
}

constexpr ui::ControlDef ClientButton(const char* name, const char* caption, int top, ui::ControlEvent onClick) {
    return GroupButton("分组框2", kClientButtonLeft, name, caption, top, onClick);
}

const ui::ControlDef kControls[] = {
    {.kind = ControlKind::ListView, .name = kChannelListView, .left = 5, .top = 1, .width = 316, .height = 436},
    {.kind = ControlKind::GroupBox,
     .name = "分组框1",
     .left = 325,
     .top = 1,
     .width = 103,
     .height = 271,
     .text = "列表操作",
     .colour = kRed},
    {.kind = ControlKind::GroupBox,
     .name = "分组框2",
     .left = 325,
     .top = 271,
     .width = 103,
     .height = 88,
     .text = "YY窗口操作",
     .colour = kRed},
    {.kind = ControlKind::Label,
     .name = "标签1",
     .left = 330,
     .top = 359,
     .width = 94,
     .height = 82,
     .text = "添加/导入\r\n ↓调整频道\r\n ↓锁定密码\r\n ↓创建频道\r\n ↓完成",
     .font = kLabelFont},
    // Lies behind the two boxes and shows each caption to the left of its box.
    {.kind = ControlKind::Label,
     .name = "标签2",
     .left = 5,
     .top = 449,
     .width = 384,
     .height = 17,
     .text = "密码:                       频率:",
     .font = kLabelFont},
    {.kind = ControlKind::LineEdit, .name = kPasswordBox, .left = 52, .top = 449, .width = 200, .height = 17},
    {.kind = ControlKind::LineEdit, .name = kFrequencyBox, .left = 305, .top = 449, .width = 96, .height = 17},
    {.kind = ControlKind::FileDialog, .name = kListFileDialog},
    ListButton("按钮1", "添加频道", 14, AddEntriesClicked),
    ListButton("按钮2", "编辑", 37, EditEntriesClicked),
    ListButton("按钮3", "删除", 60, DeleteSelectedEntryClicked),
    ListButton("按钮4", "全部删除", 83, DeleteAllEntriesClicked),
    ListButton("按钮5", "上移", 106, MoveEntryUpClicked),
    ListButton("按钮6", "下移", 130, MoveEntryDownClicked),
    ListButton("按钮7", "导入", 153, ImportChannelListClicked),
    ListButton("按钮8", "导出", 176, ExportChannelListClicked),
    ListButton("按钮9", "检查更新", 199, nullptr),
    ListButton("按钮10", "问题反馈", 222, HelpPageClicked),
    ListButton("按钮11", "使用说明", 245, HelpPageClicked),
    ClientButton("按钮12", "创建频道(&F1)", 16, CreateRunClicked),
    ClientButton("按钮13", "停止创建(&F2)", 40, RequestStopClicked),
    ClientButton("按钮14", "删除全部", 64, DeleteRunClicked),
};

const ui::FormDef kForm{
    .caption = "Quorvane",
    .width = 438,
    .height = 502,
    .frame = ui::Frame::FixedCaption,
    .minimiseBox = true,
    .dragBySurface = true,
    .taskbarButton = true,
    .controls = kControls,
    .onCreate = MainWindowCreated,
    .onDestroy = MainWindowDestroyed,
};

}  // namespace

const ui::FormDef& MainForm() { return kForm; }
