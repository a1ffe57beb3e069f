#pragma once
#include "runtime/form.h"

// The window shown for the first two seconds: the program's name over its picture.
const ui::FormDef& SplashForm();

inline constexpr const char* kSplashTimer = "时钟1";
inline constexpr const char* kSplashPictureResource = "SPLASH_PICTURE";
