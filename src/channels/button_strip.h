#pragma once
#include <cstdint>
#include <string_view>

#include "runtime/form.h"

// Clones a hidden template image button into a row of captioned, numbered buttons.
class ButtonStrip {
public:
    // Captions are comma-separated; returns the right edge of the last button made.
    int BuildRow(ui::Form& form, ui::Control& model, std::string_view captions, std::string_view normalPicture,
                 std::string_view hoverPicture, std::string_view disabledPicture, std::uint32_t outsideColour,
                 std::uint32_t overColour, std::uint32_t focusColour);
};
