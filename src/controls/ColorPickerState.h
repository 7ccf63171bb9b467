#pragma once

#include "controls/Color.h"

#include <functional>
#include <optional>

namespace controls {

// What the picker's items are: 0..39 the grid swatches, 40..69 the system
// colours, and these.
enum TPickerItem : int {
    piNoColor = -1,
    piCustomColor = -2,
    piMoreColors = -3,
    piDefaultColor = -4,
    piSeparator = -5,
    piNothing = -6, // the hover index only: the mouse is over no item
};

// The optional parts of the picker around the grid.
struct TPickerSections {
    bool noColor = false;
    bool defaultColor = false;
    bool customColor = false;
    bool systemColors = false;
    bool operator==(const TPickerSections&) const = default;
};

// The picker's selection and hover, the colour they stand for, and what the
// mouse does to them. Knows nothing of windows: the control feeds it the
// items under the mouse and repaints when asked.
class TColorPickerState {
public:
    int Selected() const { return selected_; }
    int Hover() const { return hover_; }

    TColor SelectedColor() const;
    void SetSelectedColor(TColor color);
    // The item a colour selects; a colour outside the items becomes the
    // custom colour.
    int Match(TColor color);

    // Raises OnChange unless the item is already selected (the custom
    // colour always raises, as its value may have changed).
    void Select(int item);
    void SetHover(int item);

    TPickerSections Sections;
    TColor DefaultColor = clHighlight;
    TColor CustomColor = 0x00FFFFFF;

    // The mouse, given the item under it.
    void Press(int item);
    void DragOver(int item);
    void MoveOver(int item) { SetHover(item); }
    void Leave() { SetHover(piNothing); }

    std::function<void()> OnChange;
    std::function<void()> OnClick;
    std::function<void()> OnRepaint;
    // Asks the user for a colour, starting at the given one; none when the
    // user cancels.
    std::function<std::optional<TColor>(TColor)> OnChooseCustomColor;

private:
    void Repaint() const;
    void ChooseCustomColor();

    int selected_ = piNoColor;
    int hover_ = piNothing;
};

} // namespace controls
