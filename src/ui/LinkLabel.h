#pragma once

#include "ui/ShadowLabel.h"

#include <functional>

namespace ui {

// Underlined text with a hand cursor that takes the highlight colour while
// the mouse is over it. A click runs OnClick, then asks the shell to open
// the caption; only when the shell opens something does the label take its
// visited colour.
class LinkLabel : public ShadowLabel {
public:
    LinkLabel() { Underline = true; }

    TColor HoverColor = 0xFF000000 | COLOR_HIGHLIGHT;
    TColor VisitedColor = 0x808080;
    bool Visited() const { return visited_; }
    bool Hovered() const { return hovered_; }

    std::function<void()> OnClick;
    void Click();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    TColor TextColor() const override;

private:
    void SetHovered(bool hovered);

    bool visited_ = false;
    bool hovered_ = false;
};

} // namespace ui
