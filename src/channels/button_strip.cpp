#include "channels/button_strip.h"

#include <string>

#include "channels/gbk_scan.h"

int ButtonStrip::BuildRow(ui::Form& form, ui::Control& model, std::string_view captions, std::string_view normalPicture,
                          std::string_view hoverPicture, std::string_view disabledPicture, std::uint32_t outsideColour,
                          std::uint32_t overColour, std::uint32_t focusColour) {
    const int left = model.Left();
    const int width = model.Width();
    int rightEdge = left;
    int number = 0;
    for (std::string_view caption : gbk::SplitPieces(captions, ",")) {
        ++number;
        ui::Control& button = form.CloneImageButton(model);
        button.SetVisible(true);
        button.SetLeft(left + width * (number - 1));
        button.SetCaption(caption);
        button.SetPictures(normalPicture, hoverPicture, disabledPicture);
        button.SetCaptionColours(outsideColour, overColour, focusColour);
        button.SetTag(std::to_string(number));
        rightEdge = button.Left() + button.Width();
    }
    return rightEdge;
}
