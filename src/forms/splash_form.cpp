#include "forms/splash_form.h"

#include "shell/splash_window.h"

namespace {

using ui::ControlKind;

constexpr ui::FontDef kLabelFont{.face = "黑体", .height = 29, .weight = 400};
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0x0000FF;

const ui::ControlDef kControls[] = {
    {.kind = ControlKind::TransparentLabel,
     .name = "透明标签1",
     .left = 40,
     .top = 120,
     .width = 304,
     .height = 88,
     .text = "Quorvane",
     .colour = kGreen,
     .font = kLabelFont},
    // Reaches past the window's right and bottom edges: only its upper left part shows.
    {.kind = ControlKind::TransparentLabel,
     .name = "透明标签2",
     .left = 464,
     .top = 370,
     .width = 304,
     .height = 88,
     .text = QUORVANE_HELP_HOST,
     .colour = kRed,
     .font = kLabelFont},
    {.kind = ControlKind::Timer, .name = kSplashTimer, .onClick = SplashTimerTicked},
};

const ui::FormDef kForm{
    .caption = "Quorvane",
    .width = 600,
    .height = 426,
    .frame = ui::Frame::None,
    .dragBySurface = true,
    .taskbarButton = true,
    .backgroundResource = kSplashPictureResource,
    .controls = kControls,
    .onCreate = SplashWindowCreated,
};

}  // namespace

const ui::FormDef& SplashForm() { return kForm; }
